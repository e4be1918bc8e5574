#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "dict/confusions_section.h"
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
    int corrections;
    int misfires;
    std::optional<Rating> expected;
};

TEST(TypingGrade, FromTheWalkAlone) {
    // The game lasted 60 s; "window" is 6 letters: Easy up to 2.3 s, Hard beyond 5.8 s.
    const std::vector<GradeCase> cases = {
        {"reached the player", WalkEnd::Reached, 10, "", 0, 0, 0, Rating::Again},
        {"left walking long enough to be read", WalkEnd::Walking, 55, "", 0, 0, 0, Rating::Again},
        {"appeared in the last seconds", WalkEnd::Walking, 55.1, "", 0, 0, 0, std::nullopt},
        {"six letters in 2 s, clean", WalkEnd::Shot, 1, "window", 2.0, 0, 0, Rating::Easy},
        {"six letters at the Easy limit", WalkEnd::Shot, 1, "window", 2.3, 0, 0, Rating::Easy},
        {"six letters just slower", WalkEnd::Shot, 1, "window", 2.4, 0, 0, Rating::Good},
        {"a slip deleted", WalkEnd::Shot, 1, "window", 2.0, 1, 0, Rating::Good},
        {"two slips deleted", WalkEnd::Shot, 1, "window", 2.0, 2, 0, Rating::Good},
        {"three keys deleted", WalkEnd::Shot, 1, "window", 2.0, 3, 0, Rating::Hard},
        {"a misfire while it walked", WalkEnd::Shot, 1, "window", 2.0, 0, 1, Rating::Good},
        {"six letters at the Hard limit", WalkEnd::Shot, 1, "window", 5.8, 0, 0, Rating::Good},
        {"six letters slowly", WalkEnd::Shot, 1, "window", 5.9, 0, 0, Rating::Hard},
        {"letters, not bytes", WalkEnd::Shot, 1, "окно", 1.7, 0, 0, Rating::Easy},
        {"one letter", WalkEnd::Shot, 1, "a", 0.8, 0, 0, Rating::Easy},
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

// One game played twice over: as an older game wrote it and with each walk's evidence.
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
    const std::string time = "2026-12-07T18:20:05+01:00";
    GameRecord older = PlayedGame();
    older.walked.clear();
    older.misfires.clear();
    std::string old = HistoryLine(older, time);
    old = old.substr(0, old.find(",\"seconds\"")) + "}";
    const std::string line = HistoryLine(PlayedGame(), time);
    std::string damaged = line;
    damaged.replace(damaged.find("\"end\":\"reached\""), 15, "\"end\":\"fled\"");

    const History history = ReadHistory(old + "\n" + line + "\n" + damaged + "\n");
    ASSERT_EQ(history.games.size(), 3u);
    for (const HistoryGame& game : history.games) {
        EXPECT_EQ(game.shot, std::vector<std::string>{"cat"}) << game.line;
        ASSERT_EQ(game.missed.size(), 1u) << game.line;
        EXPECT_EQ(game.missed[0].translation, "рыба") << game.line;
    }
    using Grade = std::vector<std::pair<std::string, Rating>>;
    const Grade olderMeaning = {{"cat", Rating::Good}, {"fish", Rating::Again}};
    EXPECT_FALSE(history.games[0].walksKept);
    EXPECT_EQ(Grades(history.games[0]), olderMeaning);
    EXPECT_FALSE(history.games[2].walksKept);
    EXPECT_EQ(Grades(history.games[2]), olderMeaning);

    // The owl walked its last 0.05 s: no review. Times come back in tenths of a second.
    const HistoryGame& read = history.games[1];
    ASSERT_TRUE(read.walksKept);
    EXPECT_EQ(Grades(read), (Grade{{"cat", Rating::Easy}, {"fish", Rating::Again}}));
    EXPECT_DOUBLE_EQ(read.seconds, 20.0);
    ASSERT_EQ(read.walks.size(), 3u);
    EXPECT_DOUBLE_EQ(read.walks[0].shot, 4.4);
    EXPECT_DOUBLE_EQ(read.walks[0].typing, 1.1);
    EXPECT_EQ(read.walks[0].answer, "cat");
    EXPECT_DOUBLE_EQ(read.walks[2].appeared, 20.0);
    EXPECT_EQ(read.walks[1].misfires, 1);
    ASSERT_EQ(read.misfires.size(), 1u);
    EXPECT_EQ(read.misfires[0].field, std::vector<std::string>{"fish"});
}

TEST(Confusions, AnotherWordsWholeAnswerPairedWithTheOldestWordOnTheField) {
    auto game = [](const std::string& mode, const std::string& misfires) {
        return R"({"time":"2026-12-07T18:20:05Z","dictionary":"d","mode":")" + mode +
               R"(","pace":40,"words_complete":0,"score":0,"shot":[],"missed":[],"seconds":9,)"
               R"("words":[{"word":"house","translation":"das Haus  das Heim","appeared":0,)"
               R"("misfires":0,"end":"walking"},{"word":"room","translation":"das Zimmer",)"
               R"("appeared":0,"misfires":0,"end":"walking"}],"misfires":[)" +
               misfires + "]}\n";
    };
    const std::string inHouse = R"({"typed":"das zimmer","at":1,"field":["house","room"]})";
    const std::string text =
        game("translations", inHouse + "," + inHouse) +
        game("translations", R"({"typed":"Das Zimmer","at":1,"field":["house"]},)"
                             R"({"typed":"das Heim","at":2,"field":["room"]},)"
                             R"({"typed":"das","at":3,"field":["room"]},)"
                             R"({"typed":"das Heim","at":4,"field":[]})") +
        // In "words" mode the answers are words: a translation typed there is no confusion.
        game("words", R"({"typed":"room","at":1,"field":["house"]},)"
                      R"({"typed":"das Zimmer","at":2,"field":["house"]})");
    const std::vector<Confusion> confusions = FrequentConfusions(ReadHistory(text).games, 10);
    ASSERT_EQ(confusions.size(), 3u);
    EXPECT_EQ(confusions[0].typed, "das zimmer");
    EXPECT_EQ(confusions[0].walking, "house");
    EXPECT_EQ(confusions[0].times, 3u);
    EXPECT_EQ(confusions[1].typed, "room");
    EXPECT_EQ(confusions[1].walking, "house");
    EXPECT_EQ(confusions[2].typed, "das Heim");
    EXPECT_EQ(confusions[2].walking, "room");
    EXPECT_EQ(FrequentConfusions(ReadHistory(text).games, 1).size(), 1u);

    const std::string section = dict::ConfusionsSection(ReadHistory(text).games, "en", 2);
    EXPECT_NE(section.find("<td><i>das zimmer</i></td><td><i>house</i></td><td>d</td>"
                           "<td class=\"n\">3</td>"),
              std::string::npos)
        << section;
}

}  // namespace
}  // namespace lexo
