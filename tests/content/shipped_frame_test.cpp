// The shipped content drawn by the game's own DrawFrame through the real engine, read back
// with PrintScreen: what a player sees at the start of a game.

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "bmp_image.h"
#include "fake_windows.h"
#include "game/engine_callbacks.h"
#include "game/game.h"
#include "loaded_engine.h"
#include "temp_dir.h"
#include "working_directory.h"

namespace lexo {
namespace {

constexpr uint32_t kKeyBlue = 0x0000FF;

// The first pixel of a sheet's frame 1 that is not the key colour, relative to the frame.
std::pair<int, int> FirstOpaquePixel(const test::RgbImage& sheet, int width, int height) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (sheet.At(x, y) != kKeyBlue) return {x, y};
        }
    }
    return {-1, -1};
}

class ShippedFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(engine_.Loaded()) << engine_.Error();
#define LEXO_COPY_ENTRY(name) entries_.name = engine_.name;
        LEXO_GAME_ENTRIES(LEXO_COPY_ENTRY)
#undef LEXO_COPY_ENTRY
    }
    void TearDown() override {
        if (engine_.Loaded()) engine_.QuitEngine();
        SetEngineCallbackGame(nullptr);
    }

    test::RgbImage Picture(Game& game) {
        SetEngineCallbackGame(&game);
        engine_.EngineMainDraw();
        const std::string path = dir_.File("frame.bmp");
        engine_.PrintScreen(path.c_str());
        auto picture = test::ReadBmp(path);
        EXPECT_TRUE(picture);
        return picture.value_or(test::RgbImage());
    }

    test::LoadedEngine engine_{LEXO_ENGINE_PATH};
    EngineEntries entries_;
    test::TempDir dir_;
    // The game reads its content relative to its folder.
    test::ScopedWorkingDirectory inGameFolder_{LEXO_GAME_SOURCE_DIR};
};

TEST_F(ShippedFrame, BackgroundPlayerMonsterAndWordAreWhereTheGamePutsThem) {
    testing::FakeWindows windows;
    GameState state;
    Game game(state, entries_, windows);
    engine_.RegProcedure(0, DrawFrameProcedure);
    engine_.SetEngineInitParametrs(802, 511, 32, 0, 0, 0, 0, 1);
    engine_.StartEngine_DrawToPanel(0);
    game.LoadAssets();
    game.LoadMonsterKinds();
    // Every shipped kind: the troll, the beetle, the bat, the slime and the skeleton.
    ASSERT_EQ(state.Sprites.KindCount(), 5);
    const SpriteSpec kind1 = state.Sprites.AliveSprites[1];
    state.LiveMonsters.Append(1, 100, 300, "cat", "");
    // The other kinds in a row along the bottom, their words clear of the troll's.
    for (int32_t kind = 2; kind <= 5; ++kind) {
        state.LiveMonsters.Append(kind, 20 + (kind - 2) * 90, 420, "w" + std::to_string(kind), "");
    }

    const test::RgbImage frame = Picture(game);
    ASSERT_EQ(frame.width, 802);

    const auto background = test::ReadBmp("data/fon.bmp");
    ASSERT_TRUE(background);
    for (auto [x, y] : {std::pair{700, 50}, std::pair{20, 20}, std::pair{600, 480}}) {
        EXPECT_EQ(frame.At(x, y), background->At(x, y)) << x << "," << y;
    }

    const auto player = test::ReadBmp("data/player.bmp");
    ASSERT_TRUE(player);
    auto [px, py] = FirstOpaquePixel(*player, 78, 84);
    ASSERT_GE(px, 0);
    EXPECT_EQ(frame.At(400 + px, 200 + py), player->At(px, py));

    std::ifstream mon("data/troll.mon");  // kind 1
    std::string walkSheet;
    std::getline(mon, walkSheet);
    const auto troll = test::ReadBmp("data/" + walkSheet);
    ASSERT_TRUE(troll);
    auto [mx, my] = FirstOpaquePixel(*troll, kind1.FrameWidth, kind1.FrameHeight);
    ASSERT_GE(mx, 0);
    EXPECT_EQ(frame.At(100 + mx, 300 + my), troll->At(mx, my));

    std::ifstream catalogue("monsters.txt");
    std::string name;
    for (int32_t kind = 1; std::getline(catalogue, name); ++kind) {
        if (kind == 1) continue;
        SCOPED_TRACE(name);
        std::ifstream kindFile("data/" + name + ".mon");
        std::getline(kindFile, walkSheet);
        const auto sheet = test::ReadBmp("data/" + walkSheet);
        ASSERT_TRUE(sheet);
        const SpriteSpec& walking = state.Sprites.AliveSprites[kind];
        auto [sx, sy] = FirstOpaquePixel(*sheet, walking.FrameWidth, walking.FrameHeight);
        ASSERT_GE(sx, 0);
        EXPECT_EQ(frame.At(20 + (kind - 2) * 90 + sx, 420 + sy), sheet->At(sx, sy));
    }

    int blue = 0;
    for (int y = 280; y < 300; ++y) {
        for (int x = 100; x < 140; ++x) blue += frame.At(x, y) == kKeyBlue;
    }
    EXPECT_GT(blue, 20) << "the word is drawn in blue above the monster";
    for (int y = 280; y < 300; ++y) {
        for (int x = 200; x < 240; ++x) EXPECT_NE(frame.At(x, y), kKeyBlue) << "no word there";
    }
}

}  // namespace
}  // namespace lexo
