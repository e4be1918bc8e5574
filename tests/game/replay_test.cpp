#include <algorithm>
#include <deque>
#include <nlohmann/json.hpp>

#include "errors/message_box.h"
#include "game/engine_callbacks.h"
#include "game_fixture.h"
#include "history/history_line.h"
#include "timer_clock.h"

namespace lexo::testing {
namespace {

struct RecordingHistory : GameHistory {
    void Record(const GameRecord& game) override { games.push_back(game); }
    std::vector<GameRecord> games;
};

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
    RecordingHistory history;
    Game game(state, engine.Entries(), windows, &history);
    game.FormCreate(2024);
    TimerClock clock(windows, game);

    int dialogs = 0;
    windows.onDictionaryDialog = [&] {
        ++dialogs;
        return dialogs == 1 ? DictionaryChoice{"animals", kModeWords, 40}
                            : DictionaryChoice{"colours", kModeTranslations, 7};
    };
    auto type = [&](const std::string& utf8) {
        windows.editText = utf8;
        game.Edit1KeyUp(Game::kEnterKey);
    };

    ASSERT_EQ(game.FormShow([] { return true; }), Game::StartUp::Running);
    ASSERT_TRUE(clock.RunUntil([&] { return state.LiveMonsters.Count() >= 2; }));

    const std::string firstWord = state.LiveMonsters.Word[0];
    const std::string secondWord = state.LiveMonsters.Word[1];
    type("zebra");
    EXPECT_EQ(state.LiveMonsters.Count(), 2u);
    EXPECT_EQ(windows.caption, "Lexodrome");
    // The answer's first key, a second of the game's clock, a slip deleted, Enter.
    game.Edit1KeyUp(Game::kOtherKey);
    for (int ms = 0; ms < 1000; ++ms) clock.Step();
    game.Edit1KeyUp(Game::kBackspaceKey);
    type(firstWord);
    EXPECT_EQ(windows.caption,
              "Lexodrome. Words complete: 1. Score:" + std::to_string(firstWord.size()) + ".");
    ASSERT_EQ(state.Corpses.Count(), 1u);
    EXPECT_EQ(state.LiveMonsters.Word[0], secondWord);

    // Nobody answers any more: a monster reaches the player, the death plays, the list opens.
    ASSERT_TRUE(clock.RunUntil([&] { return state.GameOver; }));
    std::vector<std::string> expectedList;
    for (size_t row = 0; row < state.LiveMonsters.Count(); ++row) {
        expectedList.push_back(
            UntranslatedLine(state.LiveMonsters.Word[row], state.LiveMonsters.Translation[row]));
    }
    EXPECT_NE(std::find(expectedList.begin(), expectedList.end(),
                        UntranslatedLine(secondWord, state.LiveMonsters.Translation[0])),
              expectedList.end());
    // The corpse had time to finish dying and holds its last frame.
    EXPECT_EQ(state.Corpses.Frame[0], state.Sprites.Dead(state.Corpses.Kind[0]).FrameCount);
    ASSERT_TRUE(clock.RunUntil([&] { return !windows.shownUntranslated.empty(); }));
    EXPECT_EQ(windows.shownUntranslated[0], expectedList);
    EXPECT_EQ(
        engine.CallsStartingWith("PlaySample(" + std::to_string(state.Assets.DieSample)).size(),
        1u);

    // The game is kept in the history: its line names what was shot and what was left.
    ASSERT_EQ(history.games.size(), 1u);
    const auto line =
        nlohmann::json::parse(HistoryLine(history.games[0], "2026-12-07T18:20:05+01:00"));
    EXPECT_EQ(line["time"], "2026-12-07T18:20:05+01:00");
    EXPECT_EQ(line["dictionary"], "animals");
    EXPECT_EQ(line["mode"], "words");
    EXPECT_EQ(line["pace"], 40);
    EXPECT_EQ(line["words_complete"], 1);
    EXPECT_EQ(line["score"], firstWord.size());
    EXPECT_EQ(line["shot"], nlohmann::json::array({firstWord}));
    ASSERT_EQ(line["missed"].size(), expectedList.size());
    for (size_t row = 0; row < expectedList.size(); ++row) {
        const auto& missed = line["missed"][row];
        EXPECT_EQ(UntranslatedLine(missed["word"], missed["translation"]), expectedList[row]);
    }

    // The shot word's evidence, on the game's clock.
    const WalkedWord& shot = history.games[0].walked.at(0);
    EXPECT_EQ(shot.word + " " + shot.answer, firstWord + " " + firstWord);
    EXPECT_NEAR(shot.typingMs, 1000, kGameTimerInterval);
    EXPECT_EQ(shot.corrections, 1);
    EXPECT_EQ(history.games[0].misfires.at(0).field,
              (std::vector<std::string>{firstWord, secondWord}));

    // The new game: the colours dictionary in translation mode.
    EXPECT_EQ(dialogs, 2);
    EXPECT_FALSE(state.GameOver);
    EXPECT_EQ(windows.timers[TimerId::TimerMove].interval, 7);
    ASSERT_TRUE(clock.RunUntil([&] { return state.LiveMonsters.Count() >= 1; }));
    const std::string word = state.LiveMonsters.Word[0];
    ASSERT_TRUE(word == "red" || word == "blue") << word;
    EXPECT_EQ(windows.caption,
              "Lexodrome. Words complete: 1. Score:" + std::to_string(firstWord.size()) + ".");
    type(word == "red" ? "КРАСНЫЙ" : "голубой");
    EXPECT_EQ(state.WordsComplete, 1);
    EXPECT_EQ(state.Corpses.Count(), 1u);
    EXPECT_TRUE(windows.timers[TimerId::TimerDethAnimat].enabled);
}

// A dictionary that cannot be played, chosen at start-up or for the next game. The timers go on
// ticking for seconds while each modal window is open, as they do in the game.
struct FailedDictionary {
    const char* name;
    bool atRestart;
    const char* words;         // names.txt; null: the file is missing
    const char* translations;  // names2.txt; null: a folder stands in its place
    const char* reported;      // the file the error box names
};

void PrintTo(const FailedDictionary& failure, std::ostream* out) { *out << failure.name; }

class FailedDictionaryReplay : public ::testing::TestWithParam<FailedDictionary> {};

TEST_P(FailedDictionaryReplay, LeavesNothingBehindAndThePlayerChoosesAgainOrQuits) {
    const FailedDictionary& failure = GetParam();
    TemporaryWorkingDirectory folder;
    folder.Write("monsters.txt", "imp\r\nogre\r\n");
    folder.Write("data/imp.mon", "i.bmp\n40\n40\n4\n1\n4\nid.bmp\n40\n20\n3\n1\n3\n");
    folder.Write("data/ogre.mon", "o.bmp\n60\n60\n3\n2\n6\nod.bmp\n60\n30\n4\n1\n4\n");
    folder.Write("good/names.txt", "cat\r\ndog\r\n");
    folder.Write("good/names2.txt", "c\r\nd\r\n");
    if (failure.words != nullptr) folder.Write("bad/names.txt", failure.words);
    if (failure.translations != nullptr)
        folder.Write("bad/names2.txt", failure.translations);
    else
        std::filesystem::create_directories("bad/names2.txt");

    for (bool quit : {false, true}) {
        SCOPED_TRACE(quit ? "the player quits" : "the player chooses again");
        RecordingEngine engine;
        FakeWindows windows;
        GameState state;
        Game game(state, engine.Entries(), windows);
        game.FormCreate(77);
        TimerClock clock(windows, game);
        std::vector<std::string> boxes;
        auto previous = SetMessageBoxPresenter(
            [&](const std::string&, const std::string& text) { boxes.push_back(text); });

        const DictionaryChoice good{"good", kModeWords, 5};
        std::deque<std::optional<DictionaryChoice>> answers = {
            DictionaryChoice{"bad", kModeWords, 5}};
        if (failure.atRestart) answers.push_front(good);
        answers.push_back(quit ? std::nullopt : std::optional(good));
        windows.whileModal = [&] { clock.RunUntil([] { return false; }, 5000); };
        windows.onDictionaryDialog = [&]() -> std::optional<DictionaryChoice> {
            if (windows.quitOffered.back()) {
                // Choosing again: nothing of the rejected dictionary, a quiet field and the
                // living player on his first frame.
                EXPECT_EQ(state.LiveMonsters.Count(), 0u);
                EXPECT_EQ(state.Corpses.Count(), 0u);
                EXPECT_TRUE(state.WordList.Empty());
                EXPECT_FALSE(windows.timers[TimerId::TimerAdd].enabled);
                EXPECT_FALSE(windows.timers[TimerId::TimerMove].enabled);
                engine.calls.clear();
                game.ApplicationEvents1Idle();
                EXPECT_EQ(engine.CallsStartingWith("DrawSprite2D_Simple"),
                          std::vector<std::string>{"DrawSprite2D_Simple(" +
                                                   std::to_string(state.Assets.PlayerTexture) +
                                                   ",400,200,78,84,3,1,1,0,0)"});
            }
            if (answers.empty()) return good;
            std::optional<DictionaryChoice> answer = answers.front();
            answers.pop_front();
            return answer;
        };

        const Game::StartUp started = game.FormShow([] { return true; });
        if (failure.atRestart) {
            ASSERT_EQ(started, Game::StartUp::Running);
            ASSERT_TRUE(clock.RunUntil([&] { return answers.empty(); }));
        }
        SetMessageBoxPresenter(previous);

        EXPECT_EQ(windows.quitOffered.back(), true);
        EXPECT_EQ(windows.nestedModals, 0);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find(failure.reported), std::string::npos) << boxes[0];
        if (quit) {
            EXPECT_EQ(started == Game::StartUp::PlayerQuit, !failure.atRestart);
            EXPECT_EQ(windows.closeRequests, failure.atRestart ? 1 : 0);
            clock.RunUntil([] { return false; }, 5000);
            EXPECT_EQ(state.LiveMonsters.Count(), 0u);
            continue;
        }
        EXPECT_EQ(state.WordList.Count(), 2u);
        ASSERT_TRUE(clock.RunUntil([&] { return state.LiveMonsters.Count() > 0; }));
        const std::string word = state.LiveMonsters.Word[0];
        EXPECT_TRUE(word == "cat" || word == "dog") << word;
    }
}

INSTANTIATE_TEST_SUITE_P(Replay, FailedDictionaryReplay,
                         ::testing::Values(FailedDictionary{"StartUpWordsOfOnlyLineEnds", false,
                                                            "\r\n\n\r", "x\r\ny\r\n",
                                                            "bad/names.txt"},
                                           FailedDictionary{"StartUpTranslationsUnreadable", false,
                                                            "cat\r\n", nullptr, "bad/names2.txt"},
                                           FailedDictionary{"RestartWordsRemoved", true, nullptr,
                                                            "x\r\n", "bad/names.txt"},
                                           FailedDictionary{"RestartWordsOfOnlyLineEnds", true,
                                                            "\n\n", "y\n", "bad/names.txt"}),
                         [](const ::testing::TestParamInfo<FailedDictionary>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace lexo::testing
