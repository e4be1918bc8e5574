// The engine's frame for the game's own picture: DGLEngine.so opened by path, the shipped
// content, and Game::DrawFrame registered as the draw procedure. No window: the figures are the
// drawing (and the scaling for a larger or denser panel) alone, against copying a frame's worth of
// memory, and against SDL2's own software renderer drawing the same scene; and the same scene
// with words of the European scripts through DrawText2D_UTF8, and with Chinese, Japanese, Korean
// and Arabic words through DrawText2D_Shaped, against its CP1251 words.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "bench_report.h"
#include "game/game.h"
#include "loaded_engine.h"
#include "quiet_windows.h"
#include "sdl_peer.h"
#include "text/text_file.h"

namespace lexo::bench {
namespace {

constexpr int kPanelWidth = 802;
constexpr int kPanelHeight = 511;
// The panel of the window maximised on a 1920 x 1080 screen, rounded up to the screen.
constexpr int kHdWidth = 1920;
constexpr int kHdHeight = 1080;
// The panel on a screen of twice the density (a Qt scale factor of 2): a whole-number scale.
constexpr int kHiDpiWidth = 2 * kPanelWidth;
constexpr int kHiDpiHeight = 2 * kPanelHeight;
constexpr int kMonsters = 40;
constexpr int kCorpses = 40;
// Monsters step every 40 ms and change walking frames every 120 ms.
constexpr int kFramesPerWalkingFrame = 3;
// Frames between putting the monsters back where they started, so none reaches the player.
constexpr int kCycle = 60;
constexpr size_t kFrames = 600;
// For the figures whose frames take a millisecond or more.
constexpr size_t kSlowFrames = 180;
// Rounds of all the figures, spread over about half a minute, since the host's busy spells
// last up to twenty seconds (see LeastOfRounds).
constexpr int kRounds = 16;
constexpr auto kPause = std::chrono::milliseconds(1000);
// Words of the European scripts, as many as monsters, of about the length of the English words.
constexpr const char* kUnicodeWords[kMonsters] = {
    "der Schlüssel", "schön",   "die Straße", "Mädchen", "café",      "garçon", "élève", "niño",
    "mañana",        "corazón", "καλημέρα",   "θάλασσα", "ευχαριστώ", "їжак",   "ґанок", "Київ",
    "ўсход",         "ђак",     "љубав",      "њива",    "ћерка",     "џем",    "ѓавол", "ќерка",
    "żółw",          "łódź",    "ćma",        "čaj",     "řeka",      "žena",   "güneş", "ışık",
    "şeker",         "Ștefan",  "țară",       "æble",    "øre",       "året",   "õun",   "ёжик",
};

// Words beyond the bitmap fonts, drawn through DrawText2D_Shaped: Chinese, Japanese, Korean
// and Arabic, as many as monsters.
constexpr const char* kScriptWords[kMonsters] = {
    "你好",       "谢谢",   "学校",  "朋友", "老师",   "中国",   "喜欢",   "米饭", "电脑", "飞机",
    "ありがとう", "さくら", "ねこ",  "水",   "日本語", "友達",   "カメラ", "先生", "電車", "山",
    "학교",       "친구",   "사랑",  "물",   "한국어", "선생님", "음식",   "책",   "집",   "바다",
    "سلام",       "كتاب",   "مدرسة", "بيت",  "شكرا",   "ماء",    "صديق",   "قلم",  "باب",  "شمس",
};

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

double MemcpyFloor(int width, int height) {
    const size_t bytes = size_t(width) * height * 4;
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
    if (engine.DrawText2D_UTF8 == nullptr || engine.DrawText2D_Shaped == nullptr) {
        std::fprintf(stderr,
                     "frame_bench: the engine has no DrawText2D_UTF8 or DrawText2D_Shaped\n");
        return 1;
    }
    // The game draws through this table; only the Unicode figure gives it the UTF-8 text entry.
    EngineEntries entries = EntriesOf(engine);
    GameState state;
    QuietWindows windows;
    Game game(state, entries, windows);
    g_game = &game;

    // The peer loads the same files first; the engine's handles, counted the same way, must
    // come out the same, so that one game state draws one scene through either.
    SdlPeer peer(kPanelWidth, kPanelHeight);
    const EngineEntries peerEntries = peer.Entries();
    Game peerGame(state, peerEntries, windows);
    peerGame.LoadAssets();
    peerGame.LoadMonsterKinds();
    const AssetHandles peerAssets = state.Assets;
    const uint32_t peerSheet = state.Sprites.HasKind(1) ? state.Sprites.Alive(1).Texture : 0;

    engine.RegProcedure(0, DrawProcedure);
    engine.SetEngineInitParametrs(kPanelWidth, kPanelHeight, 32, 0, 0, 0, 0, 1);
    engine.StartEngine_DrawToPanel(0);
    game.LoadAssets();
    game.LoadMonsterKinds();
    const AssetHandles& a = state.Assets;
    const bool alike = a.BackgroundTexture == peerAssets.BackgroundTexture &&
                       a.PlayerTexture == peerAssets.PlayerTexture &&
                       a.WordFont == peerAssets.WordFont && a.BannerFont == peerAssets.BannerFont &&
                       state.Sprites.HasKind(1) && peerSheet == state.Sprites.Alive(1).Texture;
    if (!peer.Ready() || !alike) {
        std::fprintf(stderr, "frame_bench: SDL's renderer did not load the scene alike\n");
        return 1;
    }
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
    const std::vector<std::string> cp1251Words = state.LiveMonsters.Word;
    const std::vector<std::string> unicodeWords(std::begin(kUnicodeWords), std::end(kUnicodeWords));
    auto wordsInUnicode = [&](bool unicode) {
        entries.DrawText2D_UTF8 = unicode ? engine.DrawText2D_UTF8 : nullptr;
        state.LiveMonsters.Word = unicode ? unicodeWords : cp1251Words;
    };
    const std::vector<std::string> scriptWords(std::begin(kScriptWords), std::end(kScriptWords));
    auto wordsInScripts = [&](bool scripts) {
        entries.DrawText2D_Shaped = scripts ? engine.DrawText2D_Shaped : nullptr;
        state.LiveMonsters.Word = scripts ? scriptWords : cp1251Words;
    };
    engine.EngineMainDraw();

    size_t step = 0;
    // Every timed frame follows one step of every monster; every third one also a new walking
    // frame. At the end of a cycle the monsters go back, drawn untimed by `draw`.
    auto moving = [&](size_t frames, const std::function<void()>& draw) {
        return MedianSeconds(frames, draw, [&] {
            ++step;
            if (step % kCycle == 0) {
                state.LiveMonsters.X = startX;
                state.LiveMonsters.Y = startY;
                draw();
            }
            game.TimerMoveTimer();
            if (step % kFramesPerWalkingFrame == 0) game.TimerAnimatTimer();
        });
    };
    auto measureRound = [&]() -> std::vector<double> {
        const double frame = moving(kFrames, [&] { engine.EngineMainDraw(); });
        wordsInUnicode(true);
        engine.EngineMainDraw();
        const double unicode = moving(kFrames, [&] { engine.EngineMainDraw(); });
        wordsInUnicode(false);
        wordsInScripts(true);
        engine.EngineMainDraw();
        const double scripts = moving(kFrames, [&] { engine.EngineMainDraw(); });
        wordsInScripts(false);
        engine.UpdateRenderRect(kHdWidth, kHdHeight);
        engine.EngineMainDraw();
        const double hd = moving(kSlowFrames, [&] { engine.EngineMainDraw(); });
        engine.UpdateRenderRect(kHiDpiWidth, kHiDpiHeight);
        engine.EngineMainDraw();
        const double hiDpi = moving(kSlowFrames, [&] { engine.EngineMainDraw(); });
        engine.UpdateRenderRect(kPanelWidth, kPanelHeight);
        engine.EngineMainDraw();
        const double sdl = moving(kSlowFrames, [&] { peerGame.DrawFrame(); });
        return {frame,
                hd,
                sdl,
                MemcpyFloor(kPanelWidth, kPanelHeight),
                MemcpyFloor(kHdWidth, kHdHeight),
                hiDpi,
                MemcpyFloor(kHiDpiWidth, kHiDpiHeight),
                unicode,
                scripts};
    };
    const std::vector<double> least = LeastOfRounds(kRounds, kPause, measureRound);
    engine.QuitEngine();

    PrintFigure({"frame", least[0] * 1e6, least[3] * 1e6, "us", 2});
    PrintFigure({"frame-hd", least[1] * 1e6, least[4] * 1e6, "us", 2});
    PrintFigure({"frame-hidpi", least[5] * 1e6, least[6] * 1e6, "us", 2});
    // The same frame with its words in Unicode: the floor is the frame with CP1251 words.
    PrintFigure({"frame-unicode", least[7] * 1e6, least[0] * 1e6, "us", 1.1});
    // Chinese, Japanese, Korean and Arabic words, shaped: against the frame with CP1251 words.
    PrintFigure({"frame-scripts", least[8] * 1e6, least[0] * 1e6, "us", 1.1});
    // Ours against the peer's: the "floor" is SDL's time for the same frames.
    PrintFigure({"peer-sdl", least[0] * 1e6, least[2] * 1e6, "us", 0.5});
    return 0;
}

}  // namespace
}  // namespace lexo::bench

int main(int argc, char** argv) {
    return lexo::bench::Run(argc > 1 ? argv[1] : LEXO_BENCH_GAME_DIR);
}
