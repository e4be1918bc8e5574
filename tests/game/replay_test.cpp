#include <algorithm>

#include "game/engine_callbacks.h"
#include "game_fixture.h"
#include "timer_clock.h"

namespace lexo::testing {
namespace {

TEST(Replay, AWholeGameThenARestartWithAnotherDictionary) {
    TemporaryWorkingDirectory folder;
    folder.Write("monsters.txt", "imp\r\nogre\r\n");
    folder.Write("data/imp.mon", "i.bmp\n40\n40\n4\n1\n4\nid.bmp\n40\n20\n3\n1\n3\n");
    folder.Write("data/ogre.mon", "o.bmp\n60\n60\n3\n2\n6\nod.bmp\n60\n30\n4\n1\n4\n");
    folder.Write("animals/names.txt", "cat\r\ndog\r\nfish\r\nbird\r\n");
    folder.Write("animals/names2.txt", Utf8ToCp1251("кот  кошка\r\nсобака\r\nрыба\r\nптица\r\n"));
    folder.Write("colours/names.txt", "red\nblue\n");
    folder.Write("colours/names2.txt", Utf8ToCp1251("красный\nсиний  голубой\n"));

    RecordingEngine engine;
    FakeWindows windows;
    GameState state;
    Game game(state, engine.Entries(), windows);
    game.FormCreate(2024);
    TimerClock clock(windows, game);

    int dialogs = 0;
    windows.onDictionaryDialog = [&] {
        ++dialogs;
        state.DictionaryDir = dialogs == 1 ? "animals" : "colours";
        state.GameMode = dialogs == 1 ? kModeWords : kModeTranslations;
        windows.speed = dialogs == 1 ? 40 : 7;
        return true;
    };
    auto type = [&](const std::string& utf8) {
        windows.editText = Utf8ToCp1251(utf8);
        game.Edit1KeyUp(Game::kEnterKey);
    };

    ASSERT_EQ(game.FormShow([] { return true; }), Game::StartUp::Running);
    ASSERT_TRUE(clock.RunUntil([&] { return state.LiveMonsters.Count() >= 2; }));

    const std::string firstWord = state.LiveMonsters.Word[0];
    const std::string secondWord = state.LiveMonsters.Word[1];
    type("zebra");
    EXPECT_EQ(state.LiveMonsters.Count(), 2u);
    EXPECT_EQ(windows.caption, "Lexodrome");
    type(firstWord);
    EXPECT_EQ(windows.caption, "Lexodrome. Words complete: 1. Score:" +
                                   std::to_string(firstWord.size()) + ".");
    ASSERT_EQ(state.Corpses.Count(), 1u);
    EXPECT_EQ(state.LiveMonsters.Word[0], secondWord);

    // Nobody answers any more: a monster reaches the player, the death plays, the list opens.
    ASSERT_TRUE(clock.RunUntil([&] { return state.GameOver; }));
    std::vector<std::string> expectedList;
    for (size_t row = 0; row < state.LiveMonsters.Count(); ++row) {
        expectedList.push_back(UntranslatedLine(state.LiveMonsters.Word[row], state.LiveMonsters.Translation[row]));
    }
    EXPECT_NE(std::find(expectedList.begin(), expectedList.end(),
                        UntranslatedLine(secondWord, state.LiveMonsters.Translation[0])),
              expectedList.end());
    // The corpse had time to finish dying and holds its last frame.
    EXPECT_EQ(state.Corpses.Frame[0], state.Sprites.Dead(state.Corpses.Kind[0]).FrameCount);
    ASSERT_TRUE(clock.RunUntil([&] { return !windows.shownUntranslated.empty(); }));
    EXPECT_EQ(windows.shownUntranslated[0], expectedList);
    EXPECT_EQ(engine.CallsStartingWith("PlaySample(" + std::to_string(state.Assets.DieSample)).size(), 1u);

    // The new game: the colours dictionary in translation mode.
    EXPECT_EQ(dialogs, 2);
    EXPECT_FALSE(state.GameOver);
    EXPECT_EQ(windows.timers[TimerId::TimerMove].interval, 7);
    ASSERT_TRUE(clock.RunUntil([&] { return state.LiveMonsters.Count() >= 1; }));
    const std::string word = Cp1251ToUtf8(state.LiveMonsters.Word[0]);
    ASSERT_TRUE(word == "red" || word == "blue") << word;
    EXPECT_EQ(windows.caption, "Lexodrome. Words complete: 1. Score:" +
                                   std::to_string(firstWord.size()) + ".");
    type(word == "red" ? "КРАСНЫЙ" : "голубой");
    EXPECT_EQ(state.WordsComplete, 1);
    EXPECT_EQ(state.Corpses.Count(), 1u);
    EXPECT_TRUE(windows.timers[TimerId::TimerDethAnimat].enabled);
}

}  // namespace
}  // namespace lexo::testing
