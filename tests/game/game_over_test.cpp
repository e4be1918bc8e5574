#include "errors/message_box.h"
#include "game_fixture.h"

namespace lexo::testing {
namespace {

TEST(Overlaps, SharedInteriorOnlyTouchingIsNot) {
    // The player's box: 406 <= x < 459, 200 <= y < 284.
    EXPECT_TRUE(Overlaps(406, 200, 53, 84, 458, 283, 10, 10));
    EXPECT_FALSE(Overlaps(406, 200, 53, 84, 459, 200, 10, 10));  // touches the right edge
    EXPECT_FALSE(Overlaps(406, 200, 53, 84, 396, 200, 10, 10));  // touches the left edge
    EXPECT_TRUE(Overlaps(406, 200, 53, 84, 397, 200, 10, 10));
    EXPECT_FALSE(Overlaps(406, 200, 53, 84, 420, 284, 10, 10));  // touches the bottom
    EXPECT_FALSE(Overlaps(406, 200, 53, 84, 420, 190, 10, 10));  // touches the top
    EXPECT_TRUE(Overlaps(406, 200, 53, 84, 0, 0, 1000, 1000));   // encloses the box
    EXPECT_FALSE(Overlaps(0, 0, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 1));
}

TEST(UntranslatedLine, DoubleSpacesInTheTranslationBecomeCommas) {
    auto line = [](const std::string& word, const std::string& translation) {
        return UntranslatedLine(word, translation);
    };
    EXPECT_EQ(line("cat", "кот  кошка"), "cat - кот, кошка");
    EXPECT_EQ(line("cat", "кот  кошка  котенок"), "cat - кот, кошка, котенок");
    EXPECT_EQ(line("x", "a   b"), "x - a,, b");
    EXPECT_EQ(line("ice  cream", "мороженое с орехами"), "ice  cream - мороженое с орехами");
    EXPECT_EQ(line("", ""), " - ");
}

class GameOver : public GameTest {
  protected:
    void RunningGame() {
        for (TimerId timer : {TimerId::TimerAdd, TimerId::TimerMove, TimerId::TimerAnimat,
                              TimerId::TimerDethAnimat}) {
            windows.EnableTimer(timer, true);
        }
    }
};

TEST_F(GameOver, AMonsterInsideTheBoxEndsTheGameOnTheNextTick) {
    RunningGame();
    AddMonster(1, 356, 200, "near");  // 50 wide: touches x = 406, no overlap
    game.GameTimer();
    EXPECT_FALSE(state.GameOver);
    state.LiveMonsters.X[0] = 357;
    game.GameTimer();
    EXPECT_TRUE(state.GameOver);
    EXPECT_TRUE(state.PlayerAnimating);
    EXPECT_EQ(engine.calls, std::vector<std::string>{"PlaySample(7)"});
    for (TimerId timer : {TimerId::Game, TimerId::TimerAdd, TimerId::TimerMove,
                          TimerId::TimerAnimat, TimerId::TimerDethAnimat}) {
        EXPECT_FALSE(windows.timers[timer].enabled);
    }
    EXPECT_TRUE(windows.timers[TimerId::TimerGame].enabled);
    EXPECT_EQ(windows.timers[TimerId::TimerGame].interval, 170);
    EXPECT_FALSE(windows.editEnabled);
}

TEST_F(GameOver, TheDrawnFigureIsWiderThanTheBox) {
    // At x = 459 the monster covers the drawn figure (400 ... 477) but not the box (... 458).
    AddMonster(2, 459, 200, "beside");
    game.GameTimer();
    EXPECT_FALSE(state.GameOver);
}

TEST_F(GameOver, AShotAnimationShowsFramesTwoAndThreeThenOne) {
    state.PlayerAnimating = true;
    game.TimerGameTimer();
    EXPECT_EQ(state.PlayerFrame, 2);
    game.TimerGameTimer();
    EXPECT_EQ(state.PlayerFrame, 3);
    game.TimerGameTimer();
    EXPECT_EQ(state.PlayerFrame, 1);
    EXPECT_FALSE(state.PlayerAnimating);
    game.TimerGameTimer();
    EXPECT_EQ(state.PlayerFrame, 1);
    EXPECT_TRUE(windows.shownUntranslated.empty());
}

TEST_F(GameOver, DeathAnimationContinuesFromTheCurrentFrameThenListsAndRestarts) {
    TemporaryWorkingDirectory folder;
    folder.Write("next/names.txt", "one\r\ntwo\r\n");
    folder.Write("next/names2.txt", Utf8ToCp1251("один\r\nдва\r\n"));
    windows.choice = DictionaryChoice{"next", kModeWords, 25};
    RunningGame();
    state.WordsComplete = 3;
    state.Score = 12;
    state.PlayerFacing = true;
    state.Corpses.Append(1, 5, 5);
    AddMonster(1, 10, 10, "first", "первый  начальный");
    AddMonster(2, 400, 200, "second", "второй");
    state.PlayerFrame = 2;  // a shot was running
    state.PlayerAnimating = true;
    game.GameTimer();

    for (int frame = 3; frame <= 7; ++frame) {
        game.TimerGameTimer();
        EXPECT_EQ(state.PlayerFrame, frame);
        EXPECT_TRUE(windows.shownUntranslated.empty());
    }
    game.TimerGameTimer();

    ASSERT_EQ(windows.shownUntranslated.size(), 1u);
    EXPECT_EQ(windows.shownUntranslated[0],
              (std::vector<std::string>{"first - первый, начальный", "second - второй"}));
    for (const auto& [timer, timerState] : windows.timersWhileListed)
        EXPECT_FALSE(timerState.enabled);
    EXPECT_EQ(windows.dictionaryDialogs, 1);

    // The restart: new dictionary, clear field, timers running, counters at zero.
    EXPECT_FALSE(state.GameOver);
    EXPECT_FALSE(state.PlayerFacing);
    EXPECT_EQ(state.PlayerFrame, 1);
    EXPECT_EQ(state.LiveMonsters.Count(), 0u);
    EXPECT_EQ(state.Corpses.Count(), 0u);
    EXPECT_EQ(state.WordList.Count(), 2u);
    EXPECT_EQ(state.TranslationList[1], "два");
    EXPECT_EQ(state.Score, 0);
    EXPECT_EQ(state.WordsComplete, 0);
    EXPECT_EQ(windows.timers[TimerId::TimerMove].interval, 25);
    for (TimerId timer : {TimerId::TimerAdd, TimerId::TimerMove, TimerId::TimerAnimat,
                          TimerId::TimerGame, TimerId::Game}) {
        EXPECT_TRUE(windows.timers[timer].enabled);
    }
    EXPECT_FALSE(windows.timers[TimerId::TimerDethAnimat].enabled);
    EXPECT_EQ(windows.timers[TimerId::TimerGame].interval, 170);  // not set back
    EXPECT_TRUE(windows.editEnabled);
    EXPECT_EQ(windows.editText, "");
    EXPECT_EQ(engine.CallsStartingWith("PlayMusic"),
              std::vector<std::string>{"PlayMusic(data/music.mp3,1)"});
    // The caption keeps the last game's numbers until the next shot.
    EXPECT_EQ(windows.caption, "Lexodrome");
}

}  // namespace
}  // namespace lexo::testing
