// The engine's frame for the game's own picture: DGLEngine.so opened by path, the shipped
// content, and Game::DrawFrame registered as the draw procedure. No window: the figures are the
// drawing alone, against copying a frame's worth of memory.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench_report.h"
#include "game/game.h"
#include "loaded_engine.h"
#include "quiet_windows.h"
#include "text/text_file.h"

namespace lexo::bench {
namespace {

constexpr int kPanelWidth = 802;
constexpr int kPanelHeight = 511;
constexpr int kMonsters = 40;
constexpr int kCorpses = 40;
// Monsters step every 40 ms and change walking frames every 120 ms.
constexpr int kFramesPerWalkingFrame = 3;
// Frames between putting the monsters back where they started, so none reaches the player.
constexpr int kCycle = 60;
constexpr size_t kFrames = 600;
// Rounds of all the figures, spread over about twenty seconds, since the host's busy spells
// last up to that long (see LeastOfRounds).
constexpr int kRounds = 20;
constexpr auto kPause = std::chrono::milliseconds(1000);

Game* g_game = nullptr;

void DrawProcedure() { g_game->DrawFrame(); }

EngineEntries EntriesOf(const test::LoadedEngine& engine) {
    EngineEntries entries;
#define LEXO_BENCH_COPY_ENTRY(name) entries.name = engine.name;
    LEXO_GAME_ENTRIES(LEXO_BENCH_COPY_ENTRY)
#undef LEXO_BENCH_COPY_ENTRY
    return entries;
}

// A busy moment of a game: monsters all over the field, none within reach of the player for a
// cycle of steps, corpses lying about on their last frame.
void FillField(GameState& state, std::mt19937& random) {
    auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (size_t i = 0; state.LiveMonsters.Count() < kMonsters && i < state.WordList.Count(); ++i) {
        int x, y;
        do {
            x = uniform(-20, 780);
            y = uniform(-20, 480);
        } while (std::abs(x - 400) < kCycle + 10 && std::abs(y - 200) < kCycle + 10);
        const int32_t kind = uniform(0, 99) < 70 ? 2 : 1;
        state.LiveMonsters.Append(kind, x, y, std::string(state.WordList[i]), "");
        state.LiveMonsters.Frame.back() = uniform(1, state.Sprites.Alive(kind).FrameCount);
    }
    for (int i = 0; i < kCorpses; ++i) {
        const int32_t kind = uniform(0, 99) < 70 ? 2 : 1;
        state.Corpses.Append(kind, uniform(0, 740), uniform(0, 450));
        state.Corpses.Frame.back() = state.Sprites.Dead(kind).FrameCount;
    }
}

bool AssetsLoaded(const GameState& state) {
    const AssetHandles& a = state.Assets;
    return a.BackgroundTexture != 0 && a.PlayerTexture != 0 && a.WordFont != 0 &&
           state.Sprites.HasKind(1) && state.Sprites.HasKind(2) &&
           state.Sprites.Alive(1).Texture != 0 && state.Sprites.Alive(2).Texture != 0 &&
           state.LiveMonsters.Count() == kMonsters;
}

double MemcpyFloor() {
    const size_t bytes = size_t{kPanelWidth} * kPanelHeight * 4;
    std::vector<char> from(bytes, 1), to(bytes, 2);
    return MedianSeconds(kFrames, [&] {
        std::memcpy(to.data(), from.data(), bytes);
        KeepAlive(to.data());
    });
}

int Run(const std::string& gameDir) {
    if (chdir(gameDir.c_str()) != 0) {
        std::fprintf(stderr, "frame_bench: no game folder %s\n", gameDir.c_str());
        return 1;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    test::LoadedEngine engine("./DGLEngine.so");
    if (!engine.Loaded()) {
        std::fprintf(stderr, "frame_bench: %s\n", engine.Error().c_str());
        return 1;
    }
    const EngineEntries entries = EntriesOf(engine);
    GameState state;
    QuietWindows windows;
    Game game(state, entries, windows);
    g_game = &game;

    engine.RegProcedure(0, DrawProcedure);
    engine.SetEngineInitParametrs(kPanelWidth, kPanelHeight, 32, 0, 0, 0, 0, 1);
    engine.StartEngine_DrawToPanel(0);
    game.LoadAssets();
    game.LoadMonsterKinds();
    state.WordList.SetText(ReadWholeFile("english-basics/names.txt"));
    std::mt19937 random(1234);
    FillField(state, random);
    if (!AssetsLoaded(state)) {
        std::fprintf(stderr, "frame_bench: the shipped content did not load from %s\n",
                     gameDir.c_str());
        return 1;
    }
    const std::vector<int32_t> startX = state.LiveMonsters.X;
    const std::vector<int32_t> startY = state.LiveMonsters.Y;
    engine.EngineMainDraw();

    size_t step = 0;
    auto measureRound = [&]() -> std::vector<double> {
        // Every timed frame follows one step of every monster; every third one also a new
        // walking frame. At the end of a cycle the monsters go back, drawn untimed.
        const double moving = MedianSeconds(
            kFrames, [&] { engine.EngineMainDraw(); },
            [&] {
                ++step;
                if (step % kCycle == 0) {
                    state.LiveMonsters.X = startX;
                    state.LiveMonsters.Y = startY;
                    engine.EngineMainDraw();
                }
                game.TimerMoveTimer();
                if (step % kFramesPerWalkingFrame == 0) game.TimerAnimatTimer();
            });
        const double still = MedianSeconds(kFrames, [&] { engine.EngineMainDraw(); });
        // A change of size makes the picture unknown, so the next frame is painted afresh.
        const double full = MedianSeconds(
            kFrames, [&] { engine.EngineMainDraw(); },
            [&] {
                engine.UpdateRenderRect(kPanelWidth - 1, kPanelHeight);
                engine.UpdateRenderRect(kPanelWidth, kPanelHeight);
            });
        return {moving, still, full, MemcpyFloor()};
    };
    const std::vector<double> least = LeastOfRounds(kRounds, kPause, measureRound);
    engine.QuitEngine();

    const double floor = least[3] * 1e6;
    PrintFigure({"frame", least[0] * 1e6, floor, "us", 2});
    PrintFigure({"frame-static", least[1] * 1e6, floor, "us", 2});
    PrintFigure({"frame-full", least[2] * 1e6, floor, "us", 2});
    return 0;
}

}  // namespace
}  // namespace lexo::bench

int main(int argc, char** argv) {
    return lexo::bench::Run(argc > 1 ? argv[1] : LEXO_BENCH_GAME_DIR);
}
