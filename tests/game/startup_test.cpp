#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "dict/review_folder.h"
#include "dict/write/folder_writer.h"
#include "errors/message_box.h"
#include "errors/run_time_error.h"
#include "game/engine_callbacks.h"
#include "game_fixture.h"

namespace lexo::testing {
namespace {

using Calls = std::vector<std::string>;

const Calls kLoadAssetsCalls = {
    "DirectSoundInit()",
    "LoadTextureFromFile(data/fon.bmp,0,-1)",
    "LoadTextureFromFile(data/player.bmp,0,16711680)",
    "LoadTextureFromFile(data/dethplayer.bmp,0,16711680)",
    "LoadFontFromFile(data/font.dft)",
    "LoadFontFromFile(data/font2.dft)",
    "LoadSample(data/fire.wav,0,0)",
    "LoadSample(data/die.wav,0,0)",
    "SetSampleVolume(6,100)",
};

class StartUp : public GameTest {
  protected:
    StartUp() {
        folder.Write("monsters.txt", "goblin\r\n");
        folder.Write("data/goblin.mon", "g.bmp\n64\n64\n4\n1\n4\ngd.bmp\n64\n64\n4\n1\n4\n");
        folder.Write("words/names.txt", "cat\r\ndog\r\n");
        folder.Write("words/names2.txt", Utf8ToCp1251("кот\r\nсобака\r\n"));
        windows.onDictionaryDialog = [this] {
            // While the dialog is open the engine already draws, and the collision timer ticks.
            engine.calls.push_back("-- dialog --");
            game.GameTimer();
            game.ApplicationEvents1Idle();
            return DictionaryChoice{"words", kModeTranslations, 33};
        };
        state = GameState();
        state.Score = 5;
        state.PlayerFrame = 3;
        state.PlayerAnimating = true;
    }

    TemporaryWorkingDirectory folder;
};

// Where each step falls: the engine set up, the assets loaded and the field drawn before the
// dialog covers it; after the choice the assets afresh, the monsters' pictures, then the music.
TEST_F(StartUp, RunsEveryStepInOrder) {
    EXPECT_EQ(game.FormShow([] { return true; }), Game::StartUp::Running);

    const Calls& calls = engine.calls;
    auto at = [&](const std::string& call, size_t from = 0) {
        return static_cast<size_t>(std::find(calls.begin() + from, calls.end(), call) -
                                   calls.begin());
    };
    const size_t dialog = at("-- dialog --");
    ASSERT_LT(dialog, calls.size());
    EXPECT_LT(at("PleaseNoLogo()"), at("SetEngineInitParametrs(802,511,32,0,0,0,0,1)"));
    EXPECT_LT(at("SetEngineInitParametrs(802,511,32,0,0,0,0,1)"),
              at("StartEngine_DrawToPanel(4242)"));
    EXPECT_LT(at("StartEngine_DrawToPanel(4242)"), at(kLoadAssetsCalls.front()));
    // The scene keeps its designed size; the panel's real size comes once the engine runs.
    EXPECT_LT(at("UpdateRenderRect(1604,1022)"), at("EngineMainDraw()"));
    EXPECT_EQ(calls.at(dialog - 1), "End2D()");
    const size_t afterDialog = at("End2D()", dialog) + 1;
    ASSERT_LT(afterDialog, calls.size());
    EXPECT_LT(at("DirectSoundInit()"), at("LoadSample(data/fire.wav,0,0)"));
    EXPECT_LT(at("LoadSample(data/fire.wav,0,0)"), at("SetSampleVolume(6,100)"));
    for (const std::string& call : kLoadAssetsCalls) {
        EXPECT_LT(at(call), dialog) << call;
        EXPECT_LT(at(call, afterDialog), calls.size()) << call << " again";
    }
    EXPECT_LT(at("LoadTextureFromFile(data/g.bmp,0,16711680)", afterDialog),
              at("LoadTextureFromFile(data/gd.bmp,0,16711680)", afterDialog));
    EXPECT_EQ(calls.back(), "PlayMusic(data/music.mp3,1)");

    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.PlayerFrame, 1);
    EXPECT_FALSE(state.PlayerAnimating);
    EXPECT_EQ(state.WordList.Count(), 2u);
    EXPECT_EQ(state.TranslationList[1], "собака");
    EXPECT_EQ(state.Sprites.AliveSprites.size(), 2u);
    EXPECT_EQ(windows.timers[TimerId::TimerMove].interval, 33);
    for (TimerId timer : {TimerId::TimerAdd, TimerId::TimerMove, TimerId::TimerAnimat}) {
        EXPECT_TRUE(windows.timers[timer].enabled);
    }
    EXPECT_FALSE(windows.timers[TimerId::TimerDethAnimat].enabled);
    EXPECT_EQ(windows.caption, "Lexodrome");
}

TEST_F(StartUp, PlaysTheDictionaryThatReviewWrites) {
    const std::vector<ReviewWord> words = {{"animals", "ёж", "hedgehog", 1, 1, {}, {}},
                                           {"pets", "cat", "кот  кошка", 1, 1, {}, {}}};
    ASSERT_TRUE(dict::WriteFolder("review",
                                  dict::DictionaryFolderFiles(dict::ReviewFolderLines(words)),
                                  dict::ExistingFolder::Keep));
    windows.onDictionaryDialog = [] { return DictionaryChoice{"review", kModeTranslations, 40}; };
    ASSERT_EQ(game.FormShow([] { return true; }), Game::StartUp::Running);
    ASSERT_EQ(state.WordList.Count(), 2u);
    EXPECT_EQ(state.WordList[0], "ёж");
    EXPECT_EQ(state.TranslationList[1], "кот  кошка");
}

// readings.txt adds to the readings made at loading; one that is no file costs only itself.
TEST_F(StartUp, TakesTheGivenReadingsAndPlaysWithoutAnUnreadableFile) {
    folder.Write("words/names.txt", "学校\r\nمرحبا\r\n");
    folder.Write("words/readings.txt", "\r\nmarhaban  marhaba\r\n");
    ASSERT_EQ(game.FormShow([] { return true; }), Game::StartUp::Running);
    EXPECT_EQ(state.WordReadings, (std::vector<std::string>{"xuexiao", "marhaban marhaba"}));

    std::filesystem::remove("words/readings.txt");
    ASSERT_EQ(mkfifo("words/readings.txt", 0600), 0);
    ASSERT_EQ(game.FormShow([] { return true; }), Game::StartUp::Running);
    EXPECT_EQ(state.WordReadings, (std::vector<std::string>{"xuexiao", ""}));
}

TEST_F(StartUp, LoadingAssetsTwiceLeavesTheSameStateAsOnce) {
    SetDictionary("a", "b");
    AddMonster(1, 0, 0, "x");
    state.Corpses.Append(1, 0, 0);
    state.GameOver = true;
    state.PlayerFacing = true;
    game.LoadAssets();
    const AssetHandles once = state.Assets;
    game.LoadAssets();
    EXPECT_EQ(state.Assets.BackgroundTexture, once.BackgroundTexture);
    EXPECT_EQ(state.Assets.FireSample, once.FireSample);
    EXPECT_EQ(state.LiveMonsters.Count(), 0u);
    EXPECT_EQ(state.Corpses.Count(), 0u);
    EXPECT_TRUE(state.WordList.Empty());
    EXPECT_TRUE(state.TranslationList.Empty());
    EXPECT_FALSE(state.GameOver);
    EXPECT_FALSE(state.PlayerFacing);
}

TEST_F(StartUp, WithoutAUsableEngineNothingIsCalled) {
    EXPECT_EQ(game.FormShow([] { return false; }), Game::StartUp::EngineUnavailable);
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(windows.dictionaryDialogs, 0);
    game.ApplicationEvents1Idle();
    game.FormClose();
    EXPECT_TRUE(engine.calls.empty());
}

TEST_F(StartUp, QuittingTheDialogStopsBeforeTheGame) {
    windows.onDictionaryDialog = [] { return std::nullopt; };
    EXPECT_EQ(game.FormShow([] { return true; }), Game::StartUp::PlayerQuit);
    EXPECT_TRUE(engine.CallsStartingWith("PlayMusic").empty());
    EXPECT_FALSE(windows.timers[TimerId::TimerAdd].enabled);
    game.FormClose();
    EXPECT_EQ(engine.calls.back(), "QuitEngine()");
}

TEST_F(StartUp, ABrokenCatalogueEndsStartUpBeforeTheMusicAndTheMonsters) {
    folder.Write("data/goblin.mon", "g.bmp\nwide\n");
    try {
        game.FormShow([] { return true; });
        FAIL() << "no error";
    } catch (const RunTimeError& error) {
        EXPECT_STREQ(error.what(), "'wide' is not a valid integer value");
    }
    EXPECT_TRUE(engine.CallsStartingWith("PlayMusic").empty());
    EXPECT_FALSE(windows.timers[TimerId::TimerAdd].enabled);
    EXPECT_TRUE(state.WordList.Empty());
    // The field is still drawn: background and player.
    engine.calls.clear();
    game.ApplicationEvents1Idle();
    EXPECT_EQ(engine.calls.size(), 5u);
}

TEST_F(StartUp, ClosingAndDestroyingStopTheEngineAndFreeTheFireSample) {
    game.FormShow([] { return true; });
    engine.calls.clear();
    game.FormClose();
    game.FormDestroy();
    EXPECT_EQ(engine.calls, (Calls{"QuitEngine()", "FreeSample(6)"}));
}

}  // namespace
}  // namespace lexo::testing
