// Debian's Tux Typing beside the game, as a player could compare them.

#include "peer_rounds.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <thread>

#include "bench_report.h"
#include "child_process.h"
#include "temp_dir.h"
#include "x11_watch.h"
#include "xvfb_server.h"

namespace lexo::bench {
namespace {

using namespace std::chrono_literals;

// The peer: Debian's Tux Typing, an SDL typing game with music and falling words, played side by
// side with the game on a desktop as a player's: a fresh X server of a common size with a window
// manager for each program and round.
const char* const kPeerProgram = "/usr/games/tuxtype";
const char* const kPeerTitle = "Tux Typing";
const char* const kWindowManager = "/usr/bin/openbox";
constexpr int kDesktopWidth = 1280;
constexpr int kDesktopHeight = 1024;
constexpr int kPeerRounds = 3;
constexpr double kPeerPlaySeconds = 12;
// Common Russian vowels, as the game's answers (keysym names).
const char* const kAnswerKeys[] = {"Cyrillic_o", "Cyrillic_a", "Cyrillic_ie", "Cyrillic_i"};

// One program's round: processor seconds of its threads and of the X server's over the play,
// its peak memory, and the time from its start to its first window on screen.
struct Round {
    double startup = 0;
    double cpu = 0;
    double serverCpu = 0;
    double elapsed = 0;
    double peakKiB = 0;
};

// What differs between the two programs: how it is started, what its windows are called, how a
// player gets from its first window into play, and what the player does every answer period.
struct Contestant {
    std::string name;
    std::string folder;
    std::string program;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> environment;
    std::vector<std::string> titles;
    std::function<std::optional<Window>(X11Watch&)> enterPlay;
    std::function<void(X11Watch&, Window)> move;
};

// A rectangle of the peer's 640 x 480 window.
struct Patch {
    int x, y, width, height;
};

// The patch once it holds still (the same twice, 300 ms apart) and shows more than one colour:
// the menus fade in, and a uniform patch is a screen still loading.
std::optional<std::vector<uint32_t>> SettledPatch(X11Watch& watch, Window window,
                                                  const Patch& patch, double seconds) {
    std::optional<std::vector<uint32_t>> last;
    std::optional<std::vector<uint32_t>> settled;
    WaitFor(
        seconds,
        [&] {
            auto now = watch.Pixels(window, patch.x, patch.y, patch.width, patch.height);
            const bool still =
                now && last && *now == *last &&
                std::adjacent_find(now->begin(), now->end(), std::not_equal_to<>()) != now->end();
            if (still) settled = now;
            last = std::move(now);
            return still;
        },
        300ms);
    return settled;
}

// Clicks (x, y) of the peer's window and waits until `watched` shows another settled picture.
bool ClickThrough(X11Watch& watch, Window window, int x, int y, const Patch& watched) {
    Xdotool(
        {"mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y)});
    // The item under the pointer lights up: the picture before the click is taken after that.
    const auto before = SettledPatch(watch, window, watched, 10);
    if (!before) return false;
    Xdotool({"click", "1"});
    bool moved = false;
    WaitFor(
        10,
        [&] {
            const auto now = SettledPatch(watch, window, watched, 1);
            moved = now && *now != *before;
            return moved;
        },
        10ms);
    return moved;
}

// From Tux Typing's main menu to Fish Cascade, Easy, Short Words, by the places its menus show
// the items at: Fish Cascade first in the main menu, Easy at the same place in the next, Short
// Words at the top of the word lists. The labels' patch tells the menus apart; the game's
// screen is told from the word list by the lower left corner, water instead of a keyboard.
std::optional<Window> EnterPeerPlay(X11Watch& watch) {
    const std::optional<Window> window = watch.FindWindow(kPeerTitle);
    if (!window) return std::nullopt;
    const Patch labels{240, 110, 140, 40};
    const Patch corner{20, 400, 40, 40};
    if (!ClickThrough(watch, *window, 300, 130, labels) ||
        !ClickThrough(watch, *window, 300, 130, labels) ||
        !ClickThrough(watch, *window, 320, 45, corner)) {
        return std::nullopt;
    }
    return window;
}

// A player's keys at the pace of the game's answers, without looking at the screen: the
// benchmark's own reading of the windows would weigh on the X server of one side only. Tux
// Typing's fish ask for letters, the game's monsters for a word and Enter; both are guesses.
std::function<void(X11Watch&, Window)> PeerMoves() {
    return [next = size_t{0}](X11Watch&, Window window) mutable {
        const char* const letters[] = {"a", "e", "i", "o", "s", "t"};
        Keys(window, {letters[next++ % std::size(letters)]});
    };
}

std::function<void(X11Watch&, Window)> GameMoves() {
    return [next = size_t{0}](X11Watch&, Window main) mutable {
        Keys(main, {kAnswerKeys[next++ % std::size(kAnswerKeys)], "Return"});
    };
}

// Sets DISPLAY for xdotool while a desktop of its own is measured, and back after.
class DisplayFor {
  public:
    explicit DisplayFor(const std::string& name) : before_(std::getenv("DISPLAY")) {
        setenv("DISPLAY", name.c_str(), 1);
    }
    ~DisplayFor() { setenv("DISPLAY", before_.c_str(), 1); }
    DisplayFor(const DisplayFor&) = delete;
    DisplayFor& operator=(const DisplayFor&) = delete;

  private:
    std::string before_;
};

// One round of one program on a fresh desktop; nothing, with the reason on stderr, when the
// desktop, the program or its way into play fails.
std::optional<Round> PlayRound(const Contestant& who) {
    test::XvfbServer server(test::XvfbServer::Screen{kDesktopWidth, kDesktopHeight, 24});
    if (!server.Running()) {
        std::fprintf(stderr, "peer: no X server: %s\n", server.Error().c_str());
        return std::nullopt;
    }
    DisplayFor display(server.Name());
    test::TempDir home;
    ChildProcess manager(home.Path(), kWindowManager,
                         {{"DISPLAY", server.Name()}, {"HOME", home.Path()}});
    X11Watch watch(server.Name());
    if (!watch.Open() || !WaitFor(10, [&] { return watch.WindowManagerRunning(); })) {
        std::fprintf(stderr, "peer: %s did not start on %s\n", kWindowManager,
                     server.Name().c_str());
        return std::nullopt;
    }
    // The keys the game's player answers with, on the keyboard before either program starts.
    if (!watch.AddKeysyms({std::begin(kAnswerKeys), std::end(kAnswerKeys)})) {
        std::fprintf(stderr, "peer: no free keys for the answers' letters\n");
        return std::nullopt;
    }
    std::map<std::string, std::string> environment = who.environment;
    environment["DISPLAY"] = server.Name();
    environment["XDG_RUNTIME_DIR"] = home.Path();
    if (!environment.contains("HOME")) environment["HOME"] = home.Path();

    Round round;
    const double start = Now();
    ChildProcess program(who.folder, who.program, environment, who.arguments);
    const bool shown = WaitFor(kStartupTimeout, [&] {
        if (!program.Running()) return true;
        for (const std::string& title : who.titles) {
            if (watch.FindWindow(title)) return true;
        }
        return false;
    });
    round.startup = Now() - start;
    if (!shown || !program.Running()) {
        std::fprintf(stderr, "peer: %s showed no window\n", who.name.c_str());
        return std::nullopt;
    }
    const std::optional<Window> window = who.enterPlay(watch);
    if (!window) {
        std::fprintf(stderr, "peer: %s did not get into play\n", who.name.c_str());
        return std::nullopt;
    }
    std::this_thread::sleep_for(1s);

    const std::optional<double> cpuBefore = ThreadsCpuSeconds(program.Pid());
    const std::optional<double> serverBefore = ThreadsCpuSeconds(server.Pid());
    const double playStart = Now();
    for (int move = 1;; ++move) {
        const double next =
            std::min(playStart + kAnswerPeriod * move, playStart + kPeerPlaySeconds);
        WaitFor(
            next - Now(), [&] { return !program.Running(); }, 20ms);
        if (!program.Running() || Now() - playStart >= kPeerPlaySeconds) break;
        who.move(watch, *window);
    }
    const std::optional<double> cpuAfter = ThreadsCpuSeconds(program.Pid());
    const std::optional<double> serverAfter = ThreadsCpuSeconds(server.Pid());
    round.elapsed = Now() - playStart;
    const std::optional<double> peak = program.PeakKiB();
    if (!cpuBefore || !cpuAfter || !serverBefore || !serverAfter || !peak || !program.Running()) {
        std::fprintf(stderr, "peer: %s ended during play\n", who.name.c_str());
        return std::nullopt;
    }
    round.cpu = *cpuAfter - *cpuBefore;
    round.serverCpu = *serverAfter - *serverBefore;
    round.peakKiB = *peak;
    return round;
}

struct Totals {
    double cpu = 0, serverCpu = 0, elapsed = 0;
    std::vector<double> startup, peakKiB;

    void Add(const Round& round) {
        cpu += round.cpu;
        serverCpu += round.serverCpu;
        elapsed += round.elapsed;
        startup.push_back(round.startup);
        peakKiB.push_back(round.peakKiB);
    }
    // Per cent of one core over all the rounds' play.
    double Share(double seconds) const { return seconds / elapsed * 100; }
};

}  // namespace

bool BenchPeer(const Setting& setting) {
    if (access(kPeerProgram, X_OK) != 0 || access(kWindowManager, X_OK) != 0) {
        std::printf(
            "bench peer: %s or %s is not installed; peer-cpu, peer-rss and "
            "peer-startup not measured\n",
            kPeerProgram, kWindowManager);
        std::fflush(stdout);
        return true;
    }
    std::map<std::string, std::string> ours = setting.environment;
    ours["LC_ALL"] = "C.UTF-8";
    const Contestant game{"zarnik",  setting.folder, "./zarnik",
                          {},        ours,           {kGameTitle, kDictionaryTitle},
                          EnterGame, GameMoves()};
    test::TempDir peerHome;
    const Contestant peer{"Tux Typing",
                          peerHome.Path(),
                          kPeerProgram,
                          {"-w"},
                          {{"SDL_AUDIODRIVER", "dummy"}, {"HOME", peerHome.Path()}},
                          {kPeerTitle},
                          EnterPeerPlay,
                          PeerMoves()};
    Totals gameTotals, peerTotals;
    for (int round = 0; round < kPeerRounds; ++round) {
        const std::optional<Round> g = PlayRound(game);
        if (!g) return false;
        gameTotals.Add(*g);
        const std::optional<Round> p = PlayRound(peer);
        if (!p) {
            std::printf(
                "bench peer: Tux Typing could not be played (see above); peer-cpu, "
                "peer-rss and peer-startup not measured\n");
            std::fflush(stdout);
            return true;
        }
        peerTotals.Add(*p);
    }
    const double ourShare = gameTotals.Share(gameTotals.cpu + gameTotals.serverCpu);
    const double peerShare = peerTotals.Share(peerTotals.cpu + peerTotals.serverCpu);
    PrintFigure({"peer-cpu", ourShare, peerShare, "% of one core", 1.0});
    std::printf(
        "  (%d rounds of %.0f s of play: game %.2f + X server %.2f; Tux Typing %.2f + "
        "X server %.2f)\n",
        kPeerRounds, kPeerPlaySeconds, gameTotals.Share(gameTotals.cpu),
        gameTotals.Share(gameTotals.serverCpu), peerTotals.Share(peerTotals.cpu),
        peerTotals.Share(peerTotals.serverCpu));
    std::fflush(stdout);
    PrintFigure({"peer-rss", Median(gameTotals.peakKiB) / 1024, Median(peerTotals.peakKiB) / 1024,
                 "MiB", 1.2});
    PrintFigure({"peer-startup", Median(gameTotals.startup) * 1e3, Median(peerTotals.startup) * 1e3,
                 "ms", 1.0});
    return true;
}

}  // namespace lexo::bench
