// The real game under an X server of the benchmark's own: how long zarnik takes to show its
// first frame, against a minimal Qt window; how much of one core it and the X server use while
// it is played, in its own size and maximised; how much memory it takes, against the minimal
// Qt window playing the same music; the same processor time, memory and time to a first window
// beside Tux Typing's; and how long a shot takes from the release of Enter to its picture on the
// X server.

#include <unistd.h>

#include <algorithm>
#include <cmath>
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
#include "latency_scene.h"
#include "peer_rounds.h"
#include "play_session.h"
#include "temp_dir.h"
#include "x11_watch.h"
#include "xvfb_server.h"

namespace lexo::bench {
namespace {

using namespace std::chrono_literals;

constexpr int kStartups = 11;
constexpr double kPlaySeconds = 30;
// A patch near the panel's top-left corner, clear of the player and of the centred dialog.
constexpr int kPatchX = 16;
constexpr int kPatchY = 16;
constexpr int kPatchSide = 24;
// The panel the engine draws into, at the main window's top-left corner.
constexpr int kPanelWidth = 802;
constexpr int kPanelHeight = 511;
constexpr int kShots = 50;
// Enough for fifty shots at the pace monsters come, with games lost on the way.
constexpr double kLatencySeconds = 300;
// A shot's picture later than this is not waited for: the answer shot nothing.
constexpr double kShotWait = 0.3;
// The music the memory floor plays, as the game does.
const char* const kMusic = "data/music.mp3";
// A common player's screen; maximised, the window takes all of it (there is no window manager).
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

const char* const kUntranslatedTitle = "Список непереведённых слов:";

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

// The number of words shot, from the caption "Lexodrome. Words complete: N. Score:M.".
int WordsShot(const std::string& caption) {
    const std::string label = "Words complete: ";
    const size_t at = caption.find(label);
    return at == std::string::npos ? 0 : std::atoi(caption.c_str() + at + label.size());
}

struct Play {
    double share = 0;        // per cent of one core, the game's
    double serverShare = 0;  // and the X server's
    double peakKiB = 0;      // the game's peak resident memory
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
        if (WaitFor(
                0.2, [&] { return WordsShot(watch.Title(main)) > before; }, 20ms))
            return true;
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
std::optional<Play> PlayOnce(X11Watch& watch, const Setting& setting, pid_t server,
                             bool maximised) {
    ChildProcess game(setting.folder, "./zarnik", setting.environment);
    const std::optional<Window> main = EnterGame(watch);
    if (!main) return std::nullopt;
    if (maximised) {
        Xdotool({"windowsize", "--sync", std::to_string(*main), std::to_string(kScreenWidth),
                 std::to_string(kScreenHeight)});
    }
    std::this_thread::sleep_for(1s);

    const std::optional<double> cpuBefore = game.CpuSeconds();
    const std::optional<double> serverBefore = ProcessCpuSeconds(server);
    const double start = Now();
    Play play;
    for (int move = 1;; ++move) {
        const double next = std::min(start + kAnswerPeriod * move, start + kPlaySeconds);
        WaitFor(
            next - Now(), [&] { return !game.Running(); }, 20ms);
        if (!game.Running() || Now() - start >= kPlaySeconds) break;
        PlayerMove(watch, *main, play);
    }
    const std::optional<double> cpuAfter = game.CpuSeconds();
    const std::optional<double> serverAfter = ProcessCpuSeconds(server);
    const double elapsed = Now() - start;
    const std::optional<double> peak = game.PeakKiB();
    if (!cpuBefore || !cpuAfter || !serverBefore || !serverAfter || !peak || !game.Running()) {
        std::fprintf(stderr, "cpu-share: zarnik ended after %.1f s of play\n", elapsed);
        return std::nullopt;
    }
    play.share = (*cpuAfter - *cpuBefore) / elapsed * 100;
    play.serverShare = (*serverAfter - *serverBefore) / elapsed * 100;
    play.peakKiB = *peak;
    return play;
}

// The minimal Qt window's peak resident memory, once it shows its colour and has played the
// game's music for a few seconds.
std::optional<double> FloorPeakKiB(X11Watch& watch, const Setting& setting,
                                   const std::string& floorProgram) {
    ChildProcess floor(setting.folder, floorProgram, setting.environment, {kMusic});
    const std::vector<uint32_t> filled(kPatchSide * kPatchSide, kFloorWindowColour);
    const bool shown = WaitFor(kStartupTimeout, [&] {
        std::optional<Window> window = watch.FindWindow(kFloorWindowTitle);
        return window && watch.Pixels(*window, kPatchX, kPatchY, kPatchSide, kPatchSide) == filled;
    });
    std::this_thread::sleep_for(5s);
    std::optional<double> peak = floor.Running() ? floor.PeakKiB() : std::nullopt;
    floor.Kill();
    WaitFor(10, [&] { return !watch.FindWindow(kFloorWindowTitle); });
    return shown ? peak : std::nullopt;
}

std::optional<Play> PlayFor30Seconds(X11Watch& watch, const Setting& setting, pid_t server,
                                     bool maximised) {
    std::optional<Play> play;
    for (int attempt = 0; attempt < 3 && !play; ++attempt) {
        play = PlayOnce(watch, setting, server, maximised);
    }
    if (!play) {
        std::fprintf(stderr, "cpu-share: zarnik did not stay up for %.0f s of play\n",
                     kPlaySeconds);
    }
    return play;
}

void PrintShare(const char* name, const Play& play, double target) {
    std::printf("bench %s: %.2f %% of one core (game %.2f + X server %.2f) (target <= %g)\n", name,
                play.share + play.serverShare, play.share, play.serverShare, target);
    std::printf("  (%.0f s of play: %d words shot, %d games over)\n", kPlaySeconds, play.shot,
                play.gamesOver);
    std::fflush(stdout);
}

bool BenchPlay(X11Watch& watch, const Setting& setting, pid_t server,
               const std::string& floorProgram) {
    const std::optional<Play> small = PlayFor30Seconds(watch, setting, server, false);
    if (small) PrintShare("cpu-share", *small, 1.5);
    const std::optional<Play> large = PlayFor30Seconds(watch, setting, server, true);
    if (large) PrintShare("cpu-share-hd", *large, 2);
    const std::optional<double> floor = FloorPeakKiB(watch, setting, floorProgram);
    if (small && floor) PrintFigure({"rss", small->peakKiB / 1024, *floor / 1024, "MiB", 1.3});
    if (!floor) std::fprintf(stderr, "rss: the floor window did not play %s\n", kMusic);
    return small && large && floor;
}

// The corpse pixels the panel shows; nothing when it cannot be read.
std::optional<size_t> CorpsePixels(X11Watch& watch, Window main) {
    return watch.CountColour(main, kPanelWidth, kPanelHeight, kCorpseColour);
}

// The pixels of walking monsters the panel shows.
size_t WalkingPixels(X11Watch& watch, Window main) {
    return watch.CountColour(main, kPanelWidth, kPanelHeight, kWalkingColour).value_or(0);
}

// Whether most of a monster shows on the panel (its word may cover its top rows): most often
// the oldest, the one an answer shoots.
bool MonsterInside(X11Watch& watch, Window main) {
    return WalkingPixels(watch, main) >= size_t{kMarkerSide * kMarkerSide * 3 / 4};
}

// A quarter of a monster or corpse: more than walking and hiding change in a few frames.
constexpr size_t kMarkerSeen = kMarkerSide * kMarkerSide / 4;

struct Shot {
    bool hit = false;               // the answer shot a monster (the caption counted it)
    bool inSight = true;            // and that monster was on the panel
    std::optional<double> seconds;  // from the release of Enter to the corpse on the server
};

// Types the answer, presses Enter, and releases it: the game answers on the release. Looks at
// the panel every millisecond until a new corpse shows.
Shot ShootWith(X11Watch& watch, Window main, const char* answer) {
    Shot shot;
    const int before = WordsShot(watch.Title(main));
    Type(main, answer);
    watch.FakeKey("Return", true);
    std::this_thread::sleep_for(30ms);
    const std::optional<size_t> corpses = CorpsePixels(watch, main);
    const size_t walking = WalkingPixels(watch, main);
    if (!corpses) return shot;
    const double released = Now();
    watch.FakeKey("Return", false);
    // Monsters walking over corpses hide a few of their pixels a frame; a new corpse adds a
    // square, most of it in sight.
    const size_t seen = *corpses + kMarkerSeen;
    WaitFor(
        kShotWait,
        [&] {
            const std::optional<size_t> now = CorpsePixels(watch, main);
            if (!now || *now < seen) return false;
            shot.seconds = Now() - released;
            return true;
        },
        1ms);
    // The caption is set with the shot, before its picture is drawn.
    shot.hit = WaitFor(
        shot.seconds ? kShotWait : 0.05, [&] { return WordsShot(watch.Title(main)) > before; },
        5ms);
    // The oldest monster the answer fits may not have walked into the field yet: then no
    // walking pixels went, and the shot has no picture to wait for.
    if (!shot.seconds) shot.inSight = WalkingPixels(watch, main) + kMarkerSeen <= walking;
    return shot;
}

// The nearest-rank percentile of the samples.
double Percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const auto rank =
        static_cast<size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<size_t>(rank, 1, samples.size()) - 1];
}

// Fifty shots of a game whose monsters die into squares of the corpse colour.
bool BenchLatency(X11Watch& watch, const Setting& setting) {
    if (!WriteLatencyMonsters(setting.folder)) {
        std::fprintf(stderr, "latency: cannot write the marker monsters\n");
        return false;
    }
    ChildProcess game(setting.folder, "./zarnik", setting.environment);
    std::optional<Window> dialog;
    std::optional<Window> main;
    if (!WaitFor(kStartupTimeout,
                 [&] { return (dialog = watch.FindWindow(kDictionaryTitle)).has_value(); })) {
        std::fprintf(stderr, "latency: zarnik showed no dictionary dialog\n");
        return false;
    }
    Keys(*dialog, {"Down", "Return"});
    if (!WaitFor(10, [&] {
            return !watch.FindWindow(kDictionaryTitle) && (main = watch.FindWindow(kGameTitle));
        })) {
        std::fprintf(stderr, "latency: zarnik showed no game\n");
        return false;
    }
    if (CorpsePixels(watch, main.value()) != size_t{0}) {
        std::fprintf(stderr,
                     "latency: the panel cannot be read or already shows the corpse colour\n");
        return false;
    }
    // A shot whose corpse did not show within kShotWait counts as that long.
    std::vector<double> samples;
    int unseen = 0;
    int outOfSight = 0;
    const double deadline = Now() + kLatencySeconds;
    while (samples.size() < kShots && Now() < deadline && game.Running()) {
        if (std::optional<Window> list = watch.FindWindow(kUntranslatedTitle)) {
            watch.Close(*list);
            continue;
        }
        if (std::optional<Window> again = watch.FindWindow(kDictionaryTitle)) {
            Keys(*again, {"Return"});
            std::this_thread::sleep_for(500ms);
            continue;
        }
        if (!WaitFor(
                1, [&] { return MonsterInside(watch, *main); }, 50ms)) {
            continue;
        }
        bool hit = false;
        for (const char* vowel : {"о", "а", "е", "и"}) {
            const Shot shot = ShootWith(watch, *main, vowel);
            if (!shot.hit) continue;
            hit = true;
            if (!shot.inSight) {
                ++outOfSight;
                break;
            }
            samples.push_back(shot.seconds.value_or(kShotWait));
            if (!shot.seconds) ++unseen;
            break;
        }
        // Nothing to shoot: wait for the next monster.
        if (!hit) std::this_thread::sleep_for(300ms);
    }
    if (samples.size() < kShots) {
        std::fprintf(stderr, "latency: %zu shots (%d not seen, %d out of sight), then %s\n",
                     samples.size(), unseen, outOfSight,
                     game.Running() ? "the time was up" : "zarnik ended");
        return false;
    }
    std::printf(
        "bench latency: 95th percentile %.1f ms, median %.1f ms over %d shots "
        "(target <= 16)\n",
        Percentile(samples, 0.95) * 1e3, Median(samples) * 1e3, kShots);
    std::printf(
        "  (%d of them showed no corpse within %.0f ms and count as that; %d more shots "
        "hit monsters outside the panel)\n",
        unseen, kShotWait * 1e3, outOfSight);
    std::fflush(stdout);
    return true;
}

// `only`, when not empty, names the one group of figures to measure: startup, play, peer or
// latency.
int Run(const std::string& gameFolder, const std::string& floorProgram, const std::string& only) {
    test::XvfbServer server(test::XvfbServer::Screen{kScreenWidth, kScreenHeight, 24});
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
                     {"QT_QPA_PLATFORM", ""},
                     // The classic texts: the caption is read for the words shot.
                     {"LEXODROME_LANGUAGE", "C"},
                     // The player's history is neither written nor read: a review of the
                     // player's own missed words would otherwise top the dialog and be played.
                     {"LEXODROME_HISTORY", "off"}}};
    std::error_code error;
    std::filesystem::copy(gameFolder, setting.folder, std::filesystem::copy_options::recursive,
                          error);
    X11Watch watch(server.Name());
    if (error || !watch.Open()) {
        std::fprintf(stderr, "play_bench: cannot copy %s or open %s\n", gameFolder.c_str(),
                     server.Name().c_str());
        return 1;
    }
    auto wanted = [&](const char* group) { return only.empty() || only == group; };
    const bool started = !wanted("startup") || BenchStartup(watch, setting, floorProgram);
    const bool played = !wanted("play") || BenchPlay(watch, setting, server.Pid(), floorProgram);
    const bool peer = !wanted("peer") || BenchPeer(setting);
    // Last: it replaces the monsters of the copied folder.
    const bool answered = !wanted("latency") || BenchLatency(watch, setting);
    return started && played && peer && answered ? 0 : 1;
}

}  // namespace
}  // namespace lexo::bench

int main(int argc, char** argv) {
    // Programs start in the copied game folder: the floor program is named by an absolute path.
    const std::string floorProgram = argc > 2 ? argv[2] : LEXO_BENCH_FLOOR_WINDOW;
    return lexo::bench::Run(argc > 1 ? argv[1] : LEXO_BENCH_GAME_DIR,
                            std::filesystem::absolute(floorProgram).string(),
                            argc > 3 ? argv[3] : "");
}
