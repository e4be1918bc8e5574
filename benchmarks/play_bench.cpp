// The real game under an X server of the benchmark's own: how long zarnik takes to show its
// first frame, against a minimal Qt window, and how much of one core it uses while played.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench_report.h"
#include "bmp_image.h"
#include "child_process.h"
#include "floor_window.h"
#include "temp_dir.h"
#include "x11_watch.h"
#include "xvfb_server.h"

namespace lexo::bench {
namespace {

using namespace std::chrono_literals;

constexpr int kStartups = 11;
constexpr double kStartupTimeout = 30;
constexpr double kPlaySeconds = 30;
// The spawn period: a player answering at the pace monsters come.
constexpr double kAnswerPeriod = 2.2;
// A patch near the panel's top-left corner, clear of the player and of the centred dialog.
constexpr int kPatchX = 16;
constexpr int kPatchY = 16;
constexpr int kPatchSide = 24;

const char* const kGameTitle = "Lexodrome";
const char* const kDictionaryTitle = "Выберите словарь:";
const char* const kUntranslatedTitle = "Список непереведённых слов:";

bool WaitFor(double seconds, const std::function<bool()>& done) {
    const double deadline = Now() + seconds;
    while (Now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(2ms);
    }
    return false;
}

struct Setting {
    std::string folder;
    std::map<std::string, std::string> environment;
};

// Seconds from starting `program` until its window `title` shows `expected` in the patch.
std::optional<double> TimeToPicture(X11Watch& watch, const Setting& setting,
                                    const std::string& program, const std::string& title,
                                    const std::vector<uint32_t>& expected) {
    const double start = Now();
    ChildProcess child(setting.folder, program, setting.environment);
    std::optional<double> seconds;
    WaitFor(kStartupTimeout, [&] {
        if (!child.Running()) return true;
        std::optional<Window> window = watch.FindWindow(title);
        if (!window ||
            watch.Pixels(*window, kPatchX, kPatchY, kPatchSide, kPatchSide) != expected) {
            return false;
        }
        seconds = Now() - start;
        return true;
    });
    child.Kill();
    WaitFor(10, [&] { return !watch.FindWindow(title); });
    return seconds;
}

std::vector<uint32_t> BackgroundPatch(const std::string& gameFolder) {
    std::vector<uint32_t> patch;
    std::optional<test::RgbImage> meadow = test::ReadBmp(gameFolder + "/data/fon.bmp");
    if (!meadow) return patch;
    for (int y = kPatchY; y < kPatchY + kPatchSide; ++y) {
        for (int x = kPatchX; x < kPatchX + kPatchSide; ++x) patch.push_back(meadow->At(x, y));
    }
    return patch;
}

bool BenchStartup(X11Watch& watch, const Setting& setting, const std::string& floorProgram) {
    const std::vector<uint32_t> meadow = BackgroundPatch(setting.folder);
    const std::vector<uint32_t> filled(kPatchSide * kPatchSide, kFloorWindowColour);
    std::vector<double> game, floor;
    // Alternating, so that whatever else the machine does weighs on both alike.
    for (int run = 0; run < kStartups; ++run) {
        std::optional<double> g = TimeToPicture(watch, setting, "./zarnik", kGameTitle, meadow);
        std::optional<double> f =
            TimeToPicture(watch, setting, floorProgram, kFloorWindowTitle, filled);
        if (!g || !f) {
            std::fprintf(stderr, "startup: %s showed no picture\n",
                         !g ? "zarnik" : "the floor window");
            return false;
        }
        game.push_back(*g);
        floor.push_back(*f);
    }
    PrintFigure({"startup", Median(game) * 1e3, Median(floor) * 1e3, "ms", 2});
    return true;
}

void Xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    RunCommand(command);
}

// Gives the window the keyboard and presses keys (xdotool names) or types UTF-8 text.
void Keys(Window window, const std::vector<std::string>& keys) {
    Xdotool({"windowfocus", "--sync", std::to_string(window)});
    std::vector<std::string> arguments{"key", "--delay", "60"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    Xdotool(arguments);
}

void Type(Window window, const std::string& text) {
    Xdotool({"windowfocus", "--sync", std::to_string(window)});
    Xdotool({"type", "--delay", "60", text});
}

// The number of words shot, from the caption "Lexodrome. Words complete: N. Score:M.".
int WordsShot(const std::string& caption) {
    const std::string label = "Words complete: ";
    const size_t at = caption.find(label);
    return at == std::string::npos ? 0 : std::atoi(caption.c_str() + at + label.size());
}

struct Play {
    double share = 0;  // per cent of one core
    int shot = 0;
    int gamesOver = 0;
};

// One answer: common Russian vowels in turn until one shoots a monster (the oldest whose
// translation holds it), or none does. True when one did.
bool Answer(X11Watch& watch, Window main) {
    const int before = WordsShot(watch.Title(main));
    for (const char* vowel : {"о", "а", "е", "и"}) {
        Type(main, vowel);
        Keys(main, {"Return"});
        if (WaitFor(0.2, [&] { return WordsShot(watch.Title(main)) > before; })) return true;
    }
    return false;
}

// What a player does next: answer, or after a game over close the list of untranslated words
// and confirm the same dictionary again.
void PlayerMove(X11Watch& watch, Window main, Play& play) {
    if (std::optional<Window> list = watch.FindWindow(kUntranslatedTitle)) {
        watch.Close(*list);
        ++play.gamesOver;
    } else if (std::optional<Window> dialog = watch.FindWindow(kDictionaryTitle)) {
        Keys(*dialog, {"Return"});
    } else if (Answer(watch, main)) {
        ++play.shot;
    }
}

// Nothing when zarnik did not start or ended before its time (an end-to-end test of the same
// machine closing every zarnik, say).
std::optional<Play> PlayOnce(X11Watch& watch, const Setting& setting) {
    ChildProcess game(setting.folder, "./zarnik", setting.environment);
    std::optional<Window> dialog;
    std::optional<Window> main;
    if (!WaitFor(kStartupTimeout,
                 [&] { return (dialog = watch.FindWindow(kDictionaryTitle)).has_value(); })) {
        return std::nullopt;
    }
    // The first dictionary of the list, in the dialog's default mode: typing translations.
    Keys(*dialog, {"Down", "Return"});
    if (!WaitFor(10, [&] {
            return !watch.FindWindow(kDictionaryTitle) && (main = watch.FindWindow(kGameTitle));
        })) {
        return std::nullopt;
    }
    std::this_thread::sleep_for(1s);

    const std::optional<double> cpuBefore = game.CpuSeconds();
    const double start = Now();
    Play play;
    for (int move = 1;; ++move) {
        const double next = std::min(start + kAnswerPeriod * move, start + kPlaySeconds);
        WaitFor(next - Now(), [&] { return !game.Running(); });
        if (!game.Running() || Now() - start >= kPlaySeconds) break;
        PlayerMove(watch, *main, play);
    }
    const std::optional<double> cpuAfter = game.CpuSeconds();
    const double elapsed = Now() - start;
    if (!cpuBefore || !cpuAfter || !game.Running()) {
        std::fprintf(stderr, "cpu-share: zarnik ended after %.1f s of play\n", elapsed);
        return std::nullopt;
    }
    play.share = (*cpuAfter - *cpuBefore) / elapsed * 100;
    return play;
}

bool BenchCpuShare(X11Watch& watch, const Setting& setting) {
    std::optional<Play> play;
    for (int attempt = 0; attempt < 3 && !play; ++attempt) play = PlayOnce(watch, setting);
    if (!play) {
        std::fprintf(stderr, "cpu-share: zarnik did not stay up for %.0f s of play\n",
                     kPlaySeconds);
        return false;
    }
    std::printf("bench cpu-share: %.2f %% of one core (target <= 5)\n", play->share);
    std::printf("  (%.0f s of play: %d words shot, %d games over)\n", kPlaySeconds, play->shot,
                play->gamesOver);
    std::fflush(stdout);
    return true;
}

int Run(const std::string& gameFolder, const std::string& floorProgram) {
    test::XvfbServer server;
    if (!server.Running()) {
        std::fprintf(stderr, "play_bench: %s\n", server.Error().c_str());
        return 1;
    }
    // xdotool, run from here, talks to this server too.
    setenv("DISPLAY", server.Name().c_str(), 1);
    test::TempDir dir;
    Setting setting{dir.File("game"),
                    {{"DISPLAY", server.Name()},
                     {"SDL_AUDIODRIVER", "dummy"},
                     {"XDG_RUNTIME_DIR", dir.Path()},
                     {"QT_QPA_PLATFORM", ""}}};
    std::error_code error;
    std::filesystem::copy(gameFolder, setting.folder, std::filesystem::copy_options::recursive,
                          error);
    X11Watch watch(server.Name());
    if (error || !watch.Open()) {
        std::fprintf(stderr, "play_bench: cannot copy %s or open %s\n", gameFolder.c_str(),
                     server.Name().c_str());
        return 1;
    }
    const bool started = BenchStartup(watch, setting, floorProgram);
    const bool played = BenchCpuShare(watch, setting);
    return started && played ? 0 : 1;
}

}  // namespace
}  // namespace lexo::bench

int main(int argc, char** argv) {
    // Programs start in the copied game folder: the floor program is named by an absolute path.
    const std::string floorProgram = argc > 2 ? argv[2] : LEXO_BENCH_FLOOR_WINDOW;
    return lexo::bench::Run(argc > 1 ? argv[1] : LEXO_BENCH_GAME_DIR,
                            std::filesystem::absolute(floorProgram).string());
}
