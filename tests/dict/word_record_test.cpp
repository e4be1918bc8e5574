#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dict/report/confusions_section.h"
#include "history/confusions.h"
#include "history/graded_words.h"
#include "history/history_line.h"
#include "history/typing_grade.h"

namespace lexo {
namespace {

struct GradeCase {
    const char* name;
    WalkEnd end;
    double appeared;
    const char* answer;
    double typing;
    int corrections, misfires;
    std::optional<Rating> expected;
};

TEST(TypingGrade, FromTheWalkAlone) {
    // The game lasted 60 s; "window" is 6 letters: Easy up to 2.3 s, Hard past 5.8 s.
    const std::vector<GradeCase> cases = {
        {"reached the player", WalkEnd::Reached, 10, "", 0, 0, 0, Rating::Again},
        {"left walking, read", WalkEnd::Walking, 55, "", 0, 0, 0, Rating::Again},
        {"came in the last seconds", WalkEnd::Walking, 55.1, "", 0, 0, 0, std::nullopt},
        {"letters, not bytes", WalkEnd::Shot, 1, "окно", 1.7, 0, 0, Rating::Easy},
        {"at the Easy limit", WalkEnd::Shot, 1, "window", 2.3, 0, 0, Rating::Easy},
        {"just slower", WalkEnd::Shot, 1, "window", 2.4, 0, 0, Rating::Good},
        {"two keys deleted", WalkEnd::Shot, 1, "window", 2.0, 2, 0, Rating::Good},
        {"three keys deleted", WalkEnd::Shot, 1, "window", 2.0, 3, 0, Rating::Hard},
        {"a misfire while it walked", WalkEnd::Shot, 1, "window", 2.0, 0, 1, Rating::Good},
        {"at the Hard limit", WalkEnd::Shot, 1, "window", 5.8, 0, 0, Rating::Good},
        {"slowly", WalkEnd::Shot, 1, "window", 5.9, 0, 0, Rating::Hard},
    };
    for (const GradeCase& test : cases) {
        WordWalk walk;
        walk.end = test.end;
        walk.appeared = test.appeared;
        walk.answer = test.answer;
        walk.typing = test.typing;
        walk.corrections = test.corrections;
        walk.misfires = test.misfires;
        EXPECT_EQ(TypingGrade(walk, 60), test.expected) << test.name;
    }
}

// One game, written with each walk's evidence, then cut as an older game wrote it.
GameRecord PlayedGame() {
    GameRecord game{"animals", 1, 40, 1, 3, {"cat"}, {{"fish", "рыба"}}, {}};
    game.walked = {{"cat", "кот", 2200, 4400, "cat", 1100, 0, 0, WalkEnd::Shot},
                   {"fish", "рыба", 4400, -1, "", 0, 0, 1, WalkEnd::Reached},
                   {"owl", "сова", 19950, -1, "", 0, 0, 0, WalkEnd::Walking}};
    game.misfires = {{"собака", 5000, {"fish"}}};
    game.lengthMs = 20000;
    return game;
}

std::vector<std::pair<std::string, Rating>> Grades(const HistoryGame& game) {
    std::vector<std::pair<std::string, Rating>> grades;
    for (const GradedWord& word : GradedWords(game)) grades.emplace_back(word.word, word.rating);
    return grades;
}

TEST(HistoryLine, OldAndNewLinesReadAlikeAndADamagedRecordKeepsTheOlderMeaning) {
    const std::string line = HistoryLine(PlayedGame(), "2026-12-07T18:20:05+01:00");
    const std::string old = line.substr(0, line.find(",\"seconds\"")) + "}";
    std::string damaged = line;
    damaged.replace(damaged.find("\"end\":\"reached\""), 15, "\"end\":\"fled\"");

    const History history = ReadHistory(old + "\n" + line + "\n" + damaged + "\n");
    ASSERT_EQ(history.games.size(), 3u);
    using Grade = std::vector<std::pair<std::string, Rating>>;
    for (const size_t older : {0, 2}) {
        EXPECT_FALSE(history.games[older].walksKept);
        EXPECT_EQ(Grades(history.games[older]),
                  (Grade{{"cat", Rating::Good}, {"fish", Rating::Again}}));
    }

    // The owl walked its last 0.05 s: no review. Times come back in tenths of a second.
    const HistoryGame& read = history.games[1];
    ASSERT_TRUE(read.walksKept);
    EXPECT_EQ(Grades(read), (Grade{{"cat", Rating::Easy}, {"fish", Rating::Again}}));
    EXPECT_DOUBLE_EQ(read.walks.at(0).typing, 1.1);
    EXPECT_EQ(read.misfires.at(0).typed, "собака");
}

TEST(Confusions, AnotherWordsWholeAnswerPairedWithTheOldestWordOnTheField) {
    auto game = [](const std::string& mode, const std::string& misfires) {
        return R"({"time":"2026-12-07T18:20:05Z","dictionary":"d","mode":")" + mode +
               R"(","pace":40,"words_complete":0,"score":0,"shot":[],"missed":[{"word":"house",)"
               R"("translation":"das Haus  das Heim"},{"word":"room","translation":"das Zimmer"}],)"
               R"("seconds":9,"words":[],"misfires":[)" +
               misfires.substr(1) + "]}\n";
    };
    auto typed = [](const std::string& text, const std::string& field) {
        return R"(,{"typed":")" + text + R"(","at":1,"field":[)" + field + "]}";
    };
    // Not confusions: a fragment, an empty field, a translation typed in "words" mode.
    const std::string text =
        game("translations", typed("das zimmer", R"("house","room")") +
                                 typed("Das Zimmer", R"("house")") +
                                 typed("das Heim", R"("room")") + typed("das", R"("room")") +
                                 typed("das Heim", "")) +
        game("words", typed("room", R"("house")") + typed("das Zimmer", R"("house")"));
    std::vector<std::string> found;
    for (const Confusion& confusion : FrequentConfusions(ReadHistory(text).games, 10))
        found.push_back(confusion.typed + "/" + confusion.walking +
                        std::to_string(confusion.times));
    EXPECT_EQ(found,
              (std::vector<std::string>{"das zimmer/house2", "room/house1", "das Heim/room1"}));
    EXPECT_NE(
        dict::ConfusionsSection(ReadHistory(text).games, "en", 2)
            .find("<td><i>das zimmer</i></td><td><i>house</i></td><td>d</td><td class=\"n\">2<"),
        std::string::npos);
}

}  // namespace
}  // namespace lexo
