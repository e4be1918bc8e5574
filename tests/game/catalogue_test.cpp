#include "errors/run_time_error.h"
#include "game_fixture.h"

namespace lexo::testing {
namespace {

class Catalogue : public GameTest {
  protected:
    std::string ErrorOfLoading() {
        try {
            game.LoadMonsterKinds();
        } catch (const RunTimeError& error) {
            return error.what();
        }
        return "no error";
    }

    TemporaryWorkingDirectory folder;
};

const char* const kGoblin =
    "goblin.bmp\r\n64\r\n70\r\n4\r\n2\r\n7\r\ngoblin_dead.bmp\r\n80\r\n50\r\n5\r\n1\r\n5\r\n";

TEST_F(Catalogue, LinesFillTheRecordsInTheirOrder) {
    folder.Write("monsters.txt", "goblin\r\nslime");
    folder.Write("data/goblin.mon", kGoblin);
    folder.Write("data/slime.mon",
                 "s.bmp\n  +32\n$20\n0x1\n1\n-1\nsd.bmp\n32\n16\n1\n1\n1\nignored\nlines\n");
    EXPECT_EQ(ErrorOfLoading(), "no error");
    const auto& alive = state.Sprites.AliveSprites;
    const auto& dead = state.Sprites.DeadSprites;
    ASSERT_EQ(alive.size(), 3u);
    ASSERT_EQ(dead.size(), 3u);
    EXPECT_EQ(alive[0], SpriteSpec{});
    const EngineHandle goblin = engine.HandleOf("data/goblin.bmp");
    const EngineHandle goblinDead = engine.HandleOf("data/goblin_dead.bmp");
    // Record order: texture, width, height, frame count, columns, rows.
    EXPECT_EQ(alive[1], (SpriteSpec{goblin, 64, 70, 7, 4, 2}));
    EXPECT_EQ(dead[1], (SpriteSpec{goblinDead, 80, 50, 5, 5, 1}));
    EXPECT_EQ(alive[2], (SpriteSpec{engine.HandleOf("data/s.bmp"), 32, 32, -1, 1, 1}));
    EXPECT_EQ(engine.CallsStartingWith("LoadTextureFromFile(data/goblin.bmp"),
              std::vector<std::string>{"LoadTextureFromFile(data/goblin.bmp,0,16711680)"});
}

TEST_F(Catalogue, EveryLineBeforeTheEndIsAKindAndNamesAreVerbatim) {
    folder.Write("monsters.txt", "goblin \n\ngoblin\n");
    folder.Write("data/goblin .mon", kGoblin);
    folder.Write("data/.mon", kGoblin);
    folder.Write("data/goblin.mon", kGoblin);
    EXPECT_EQ(ErrorOfLoading(), "no error");
    EXPECT_EQ(state.Sprites.AliveSprites.size(), 4u);

    folder.Write("monsters.txt", "");
    EXPECT_EQ(ErrorOfLoading(), "no error");
    EXPECT_EQ(state.Sprites.AliveSprites.size(), 1u);
    EXPECT_EQ(state.Sprites.DeadSprites.size(), 1u);
}

TEST_F(Catalogue, MissingFilesUseTheRunTimeTexts) {
    EXPECT_EQ(ErrorOfLoading(), "File not found");
    folder.Write("monsters.txt", "goblin\n\n");
    folder.Write("data/goblin.mon", kGoblin);
    EXPECT_EQ(ErrorOfLoading(), "File not found");  // the empty name: data/.mon
    folder.Write("monsters.txt", "nowhere/goblin\n");
    EXPECT_EQ(ErrorOfLoading(), "Invalid filename");
}

TEST_F(Catalogue, ABadNumberStopsLoadingAndKeepsWhatCameBefore) {
    folder.Write("monsters.txt", "goblin\nbroken\ngoblin\n");
    folder.Write("data/goblin.mon", kGoblin);
    folder.Write("data/broken.mon", "b.bmp\n64\n70 \n");
    EXPECT_EQ(ErrorOfLoading(), "'70 ' is not a valid integer value");
    ASSERT_EQ(state.Sprites.AliveSprites.size(), 3u);
    EXPECT_EQ(state.Sprites.AliveSprites[1].FrameHeight, 70);
    EXPECT_EQ(state.Sprites.AliveSprites[2],
              (SpriteSpec{engine.HandleOf("data/b.bmp"), 64, 0, 0, 0, 0}));
    EXPECT_EQ(state.Sprites.DeadSprites[2], SpriteSpec{});
}

TEST_F(Catalogue, AShortFileReadsEmptyLinesPastItsEnd) {
    folder.Write("monsters.txt", "short");
    folder.Write("data/short.mon", "a.bmp\n1\n2\n3\n4\n5\n");
    EXPECT_EQ(ErrorOfLoading(), "'' is not a valid integer value");
    // The missing image line hands the bare folder to the engine.
    EXPECT_EQ(engine.CallsStartingWith("LoadTextureFromFile").back(),
              "LoadTextureFromFile(data/,0,16711680)");
}

TEST_F(Catalogue, ReloadingStartsAgainFromEntryZero) {
    folder.Write("monsters.txt", "goblin\ngoblin\ngoblin\n");
    folder.Write("data/goblin.mon", kGoblin);
    EXPECT_EQ(ErrorOfLoading(), "no error");
    folder.Write("monsters.txt", "goblin\n");
    EXPECT_EQ(ErrorOfLoading(), "no error");
    EXPECT_EQ(state.Sprites.AliveSprites.size(), 2u);
}

}  // namespace
}  // namespace lexo::testing
