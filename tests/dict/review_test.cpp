#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dict/check/dictionary_check.h"
#include "dict/commands.h"
#include "dict/report/stats_report.h"
#include "dict/write/folder_writer.h"
#include "history/history_line.h"
#include "history/review_schedule.h"
#include "review/review_dictionary.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;
using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

std::string Game(const std::string& time, const std::string& dictionary, const std::string& shot,
                 const std::string& missed, int64_t score = 3) {
    return R"({"time":")" + time + R"(","dictionary":")" + dictionary +
           R"(","mode":"words","pace":40,"words_complete":1,"score":)" + std::to_string(score) +
           R"(,"shot":[)" + shot + R"(],"missed":[)" + missed + "]}\n";
}

// Five games, the last one played first; the third written in New York late on the 3rd.
const std::string kHistory =
    Game("2026-12-01T10:00:00+01:00", "animals", R"("cat")",
         R"({"word":"fish","translation":"рыба"},{"word":"dog","translation":"собака"})") +
    Game("2026-12-02T10:00:00+01:00", "animals", R"("fish")",
         R"({"word":"dog","translation":"пёс"})", 9) +
    Game("2026-12-03T23:30:00-05:00", "colours", "", R"({"word":"red","translation":"красный"})") +
    Game("2026-12-04T08:00:00+01:00", "animals", R"("dog","fish")", "", 5) +
    Game("2026-11-30T12:00:00Z", "animals", R"("fish")", R"({"word":"bird","translation":"птица"})",
         7);

sys_days Day(const std::string& text) {
    sys_seconds unused;
    sys_days day;
    EXPECT_TRUE(ParseHistoryTime(text + "T12:00:00Z", unused, day)) << text;
    return day;
}

// The words offered are those below R 0.9 on the day, the lowest first, at most the limit. A word
// reviewed today has R 1 (whole days); cat, only ever shot, has no translation to offer.
TEST(ReviewSchedule, WordsBelowTheDesiredRetentionLowestFirst) {
    std::string many;
    for (int i = 0; i < 61; ++i)
        many += std::string(i ? "," : "") + R"({"word":"w)" + std::to_string(i) +
                R"(","translation":"x"})";
    const struct {
        std::string history;
        const char* today;
        size_t limit;
        std::vector<std::string> expected;
    } cases[] = {
        // bird missed a day before (R 0.766); fish and dog missed today.
        {kHistory, "2026-12-01", 60, {"bird"}},
        {kHistory, "2026-12-06", 2, {"bird", "red"}},
        {Game("2026-12-01T10:00:00+01:00", "d", "", many), "2026-12-02", 60, {}},
    };
    for (const auto& test : cases) {
        const std::vector<ReviewWord> words =
            ScheduleReview(ReadHistory(test.history).games, Day(test.today), test.limit);
        if (test.expected.empty()) {
            EXPECT_EQ(words.size(), 60u) << "at most the limit";
            continue;
        }
        std::vector<std::string> got;
        for (size_t i = 0; i < words.size(); ++i) {
            got.push_back(words[i].word);
            EXPECT_LT(words[i].retrievability, 0.9);
            if (i > 0) {
                EXPECT_LE(words[i - 1].retrievability, words[i].retrievability);
            }
        }
        EXPECT_EQ(got, test.expected) << test.today;
    }
    const auto words = ScheduleReview(ReadHistory(kHistory).games, Day("2026-12-01"), 60);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_NEAR(words[0].retrievability, 0.766, 0.001) << "one day after a first Again";

    // A game before 4 in the morning counts for the day before.
    const std::string owl = kHistory + Game("2026-12-05T03:59:00+01:00", "birds", "",
                                            R"({"word":"owl","translation":"сова"})");
    const auto offered = ScheduleReview(ReadHistory(owl).games, Day("2026-12-05"), 60);
    const auto found = std::find_if(offered.begin(), offered.end(),
                                    [](const ReviewWord& word) { return word.word == "owl"; });
    ASSERT_NE(found, offered.end());
    EXPECT_NEAR(found->retrievability, 0.766, 0.001);
    EXPECT_EQ(ScheduleReview(ReadHistory(owl).games, Day("2026-12-04"), 60).size(), 2u);
}

TEST(ReadHistory, SkipsTornAndGarbageLinesNamingThem) {
    const std::string text = Game("2026-12-01T10:00:00+01:00", "a", "", "") + "\n" +
                             "}{ garbage\n" + "[1,2]\n" +
                             R"({"time":"yesterday","dictionary":"a"})" + "\n" +
                             Game("2026-12-02T10:00:00+01:00", "b", R"("x")", "") +
                             R"({"time":"2026-12-03T10:00:00+01:00","dictionary":"a","mo)" + "\n" +
                             Game("2026-12-01T10:00:00+99:99", "a", "", "") +
                             Game("2026-12-01T10:00:00Z", "a", "", "", -1) +
                             Game("2026-12-01T10:00:00Z", "a", "", "", 2147483648);
    const History history = ReadHistory(text);
    ASSERT_EQ(history.games.size(), 2u);
    EXPECT_EQ(history.games[1].line, 6u);
    EXPECT_EQ(history.games[1].shot, std::vector<std::string>{"x"});
    std::vector<size_t> skipped;
    for (const HistorySkip& skip : history.skipped) skipped.push_back(skip.line);
    EXPECT_EQ(skipped, (std::vector<size_t>{3, 4, 5, 7, 8, 9, 10}));
}

// Runs a command, keeping what it printed.
int RunCommand(int (*command)(const std::vector<std::string>&),
               const std::vector<std::string>& args, std::string& out, std::string& errors) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = command(args);
    out = ::testing::internal::GetCapturedStdout();
    errors = ::testing::internal::GetCapturedStderr();
    return status;
}

// Every command answers --help on standard output and a wrong command line with its problem and
// its help on standard error, before it reads or writes anything.
TEST(CommandLine, HelpAndUsageErrorsOfEveryCommand) {
    using Command = int (*)(const std::vector<std::string>&);
    const struct {
        Command command;
        std::vector<std::string> args;
        std::string problem;
    } cases[] = {
        {RunImport, {}, "lexodrome-dict import: give one INPUT file\n"},
        {RunImport, {"words.tsv"}, "lexodrome-dict import: --out FOLDER is needed\n"},
        {RunImport,
         {"a", "--out", "b", "--format", "xls"},
         "lexodrome-dict import: unknown --format xls\n"},
        {RunImport,
         {"a.apkg", "--out", "b", "--fields", "2,2"},
         "lexodrome-dict import: --fields takes two field numbers, as 1,3\n"},
        {RunImport,
         {"a", "--out", ""},
         "lexodrome-dict import: --out needs a file or folder name, not an empty one\n"},
        {RunCheck, {"--game"}, "lexodrome-dict check: --game needs a value\n"},
        {RunCheck, {}, "lexodrome-dict check: give at least one FOLDER\n"},
        {RunExport, {"a", "b"}, "lexodrome-dict export: give one FOLDER\n"},
        {RunReview,
         {"--out", "r", "--max", "0"},
         "lexodrome-dict review: --max needs a whole number above 0\n"},
        {RunReview, {"--out", "r", "x"}, "lexodrome-dict review: unexpected x\n"},
        {RunStats, {"--verbose"}, "lexodrome-dict stats: unknown option --verbose\n"},
        {RunStats,
         {"--history", "a", "b"},
         "lexodrome-dict stats: give HISTORY files or --history FILE, not both\n"},
        {RunStats,
         {"--by", "2027-01-01"},
         "lexodrome-dict stats: --by is for the class page of "
         "HISTORY files\n"},
        {RunMemory,
         {"--today", "2027-02-30"},
         "lexodrome-dict memory: --today needs a day such as 2026-12-09\n"},
        {RunMemory, {"--if-grown"}, "lexodrome-dict memory: --if-grown goes with --fit\n"},
    };
    for (const auto& c : cases) {
        std::string out, errors, help, none;
        EXPECT_EQ(RunCommand(c.command, c.args, out, errors), kUsageOrFiles) << c.problem;
        EXPECT_EQ(out, "");
        ASSERT_EQ(RunCommand(c.command, {"--help"}, help, none), kSuccess) << c.problem;
        EXPECT_TRUE(help.starts_with("usage: lexodrome-dict ")) << help;
        EXPECT_EQ(errors, c.problem + help);
    }
}

TEST(Review, WritesADictionaryThatCheckPassesOnlyWhenAWordIsDue) {
    test::TempDir dir;
    const std::string history = dir.File("history.jsonl");
    const std::string folder = dir.File("review");
    const std::string threeDaysAgo = FormatHistoryDay(HistoryToday() - days(3)) + "T12:00:00+03:00";
    std::ofstream(history, std::ios::binary)
        << Game(threeDaysAgo, "animals", "", R"({"word":"cat","translation":"кот"})")
        << Game(threeDaysAgo, "pets", "", R"({"word":"Cat","translation":"кошка  кот"})")
        << "not json\n"
        << Game(threeDaysAgo, "z<b>", "", R"({"word":"ёж","translation":"hedgehog"})");
    std::string out, errors;
    ASSERT_EQ(RunCommand(RunReview, {"--history", history, "--out", folder}, out, errors), kSuccess)
        << errors;
    EXPECT_EQ(errors, history + ":3: warning: skipped, not JSON (a torn or damaged line)\n");
    EXPECT_EQ(ReadWholeFile(folder + "/names.txt"), Utf8ToCp1251("cat\r\nёж\r\n"));
    EXPECT_EQ(ReadWholeFile(folder + "/names2.txt"), Utf8ToCp1251("кот  кошка\r\nhedgehog\r\n"));
    Diagnostics found;
    const CheckSummary summary = CheckDictionary(folder, nullptr, found);
    EXPECT_EQ(summary.words, 2u);
    EXPECT_EQ(summary.errors + summary.warnings, 0u) << FormatDiagnostic(found.All().at(0));

    EXPECT_EQ(RunCommand(RunReview, {"--history", history, "--out", folder}, out, errors),
              kUsageOrFiles)
        << "an existing folder stays without --force";
    EXPECT_EQ(
        RunCommand(RunReview, {"--history", history, "--out", folder, "--force", "--max", "1"}, out,
                   errors),
        kSuccess);
    EXPECT_EQ(ReadWholeFile(folder + "/names.txt"), "cat\r\n");

    // Reviewed today, cat is as sure as it gets.
    const std::string today = FormatHistoryDay(HistoryToday()) + "T12:00:00+00:00";
    std::ofstream(history, std::ios::binary)
        << Game(threeDaysAgo, "animals", "", R"({"word":"cat","translation":"кот"})")
        << Game(today, "animals", R"("cat")", "");
    EXPECT_EQ(RunCommand(RunReview, {"--history", history, "--out", dir.File("none")}, out, errors),
              kNothingDue);
    EXPECT_EQ(out, "lexodrome-dict review: no word is due today; nothing written\n");
    EXPECT_FALSE(fs::exists(dir.File("none")));
}

TEST(Review, SaysWhereWordsComeFromWithinTheDialogsBoxAndCountsLinesAsWritten) {
    test::TempDir dir;
    const std::string history = dir.File("history.jsonl");
    const std::string day = FormatHistoryDay(HistoryToday() - days(3)) + "T12:00:00+00:00";
    std::ofstream file(history, std::ios::binary);
    for (int i = 0; i < 40; ++i) {
        file << Game(day, "dictionary-number-" + std::to_string(i), "",
                     R"({"word":"w)" + std::to_string(i) + R"(","translation":"t"})");
    }
    file << Game(day, "other", "", R"({"word":"W0","translation":"t"})") << std::flush;
    std::string out, errors;
    const std::string folder = dir.File("review");
    ASSERT_EQ(RunCommand(RunReview, {"--history", history, "--out", folder}, out, errors),
              kSuccess);
    EXPECT_EQ(out, folder + ": 40 words due today\n");
    Diagnostics found;
    EXPECT_EQ(CheckDictionary(folder, nullptr, found).warnings, 0u)
        << FormatDiagnostic(found.All().at(0));
}

// The one description, in the code's words and in a translation's: one dictionary or several,
// the most used first, and how many more when the box is full.
TEST(ReviewAbout, NamesTheDictionariesTheBoxHasRoomFor) {
    MemoryDictionary one = ReviewDictionary(
        {{"animals", "Cat", "кот", 1, 1, {}, {}}, {"animals", "cat", "кошка", 1, 1, {}, {}}});
    EXPECT_EQ(one.words, std::vector<std::string>{"Cat"});
    EXPECT_EQ(one.translations, std::vector<std::string>{"кот  кошка"});
    EXPECT_EQ(ReviewAbout(one),
              (std::vector<std::string>{"Повторение", "Слова, которые вы вот-вот забудете.",
                                        "Из словаря: animals (2).", "Слов: 1."}));

    std::vector<ReviewWord> words;
    for (int i = 0; i < 12; ++i) {
        ReviewWord word;
        word.dictionary = "dictionary-" + std::to_string(i);
        for (int j = 0; j <= i; ++j) {
            word.word = "w" + std::to_string(words.size());
            words.push_back(word);
        }
    }
    ReviewTexts english{"Review",   "Missed words.", "Words: %1.",
                        "From %1.", "From: %1.",     "%1 and %2 more"};
    const std::vector<std::string> about = ReviewAbout(ReviewDictionary(words), english);
    EXPECT_EQ(about.at(0), "Review");
    EXPECT_EQ(about.at(3), "Words: 78.");
    // Five rows of the box: one more name would take a sixth.
    EXPECT_EQ(about.at(2),
              "From: dictionary-11 (12), dictionary-10 (11), dictionary-9 (10), "
              "dictionary-8 (9) and 8 more.");
}

TEST(Export, RefusesToWriteOverTheFolderItReads) {
    test::TempDir dir;
    const std::string folder = dir.File("d");
    ASSERT_TRUE(WriteFolder(
        folder, {{"about.txt", "t\r\n"}, {"names.txt", "a\r\n"}, {"names2.txt", "b\r\n"}},
        ExistingFolder::Keep));
    std::string out, errors;
    EXPECT_EQ(RunCommand(RunExport, {folder, "--out", folder + "/names.txt"}, out, errors),
              kUsageOrFiles);
    EXPECT_EQ(ReadWholeFile(folder + "/names.txt"), "a\r\n");
}

TEST(Stats, TableAndPageWithEveryHistoryTextEscaped) {
    History history =
        ReadHistory(kHistory + Game("2026-12-05T10:00:00Z", "<i>&\\\"'", "",
                                    R"({"word":"<script>\u001b","translation":"x"})"));
    const std::vector<PlayStats> stats = SummariseHistory(history.games);
    EXPECT_EQ(StatsTable(stats),
              "dictionary  mode   games  best  latest  shot  missed  most missed\n"
              "<i>&\"'      words      1     3       3     0       1  <script>\\x1B 1\n"
              "animals     words      4     9       5     5       4  dog 2, bird 1, fish 1\n"
              "colours     words      1     3       3     0       1  red 1\n");
    const std::string page =
        StatsPage({{"", history.games}}, "h<.jsonl", "en", {Day("2026-12-09"), {}});
    EXPECT_EQ(page.find("<i>"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_EQ(page.find('\x1B'), std::string::npos);
    EXPECT_EQ(page.find("h<."), std::string::npos);
    EXPECT_NE(page.find("&lt;i&gt;&amp;&quot;&#39;"), std::string::npos);
    EXPECT_EQ(page.find("://"), std::string::npos) << "no outside resource";
    EXPECT_NE(page.find("<polyline"), std::string::npos);
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// fox missed, then shot on three days, each a day or more after the one before.
const std::string kFoxHistory =
    Game("2026-12-01T10:00:00+01:00", "animals", "", R"({"word":"fox","translation":"лиса"})", 2) +
    Game("2026-12-02T10:00:00+01:00", "animals", R"("fox")", "", 4) +
    Game("2026-12-03T10:00:00+01:00", "animals", R"("fox")", "", 6) +
    Game("2026-12-05T10:00:00+01:00", "animals", R"("fox")", "", 8);

// A learner's page and a class's, in the player's language: a dot for every game on each chart
// with its date, dictionary and value on hover, and the most-missed words with translations.
TEST(Stats, PagesOfALearnerAndOfAClassWithTheirCharts) {
    const std::vector<HistoryGame> alice = ReadHistory(kHistory).games;
    const std::vector<HistoryGame> bob = ReadHistory(kFoxHistory).games;
    const struct {
        std::vector<LearnerHistory> learners;
        const char* language;
        size_t dots;
        std::vector<std::string> shown;
    } cases[] = {
        {{{"", alice}},
         "en",
         12,
         {"<title>Lexodrome progress</title>", ">2026-11-30</text>",
          "<title>2026-12-02 · animals (words) · score 9</title>",
          // dog and fish reviewed that day, cat three days after a Good (R 0.881), bird four
          // after an Again (R 0.633); fish recalled twice of three, dog once of two.
          "<title>2026-12-04 · animals · words known 4</title>",
          "<p>Recalled a day or more after the last time: 60 % (3 / 5)</p>",
          "<tr><td>dog</td><td>пёс</td><td>animals</td><td class=\"n\">2</td></tr>"}},
        {{{"alice", alice}, {"bob", bob}, {"<b>carol", {}}},
         "de",
         20,
         {"<title>Lernfortschritt der Klasse</title>",
          "<a href=\"#learner-2\">bob</a></td><td class=\"n\">4</td><td class=\"n\">8</td>"
          "<td class=\"n\">8</td><td>2026-12-05</td><td class=\"n\">1</td>"
          "<td class=\"n\">100 %</td></tr>",
          "<section id=\"learner-3\">\n<h2>&lt;b&gt;carol</h2>\n<p>Noch kein Spiel "
          "gespeichert.</p>",
          "<a href=\"#learner-3\">&lt;b&gt;carol</a>",
          "<title>2026-12-01 · animals · gewusste Wörter 1</title>",
          "<title>2026-12-05 · animals · gewusste Wörter 1</title>", "<td>Wörter</td>",
          "<tr><td>fox</td><td>лиса</td>", "vergessen sind: 2026-12-20</h2>",
          "<tr><td>alice</td><td>bird</td><td>птица</td><td>animals</td>"}},
        {{{"", {}}}, "uk", 0, {"<html lang=\"uk\">", "<p>Зіграних ігор поки немає.</p>"}},
    };
    for (const auto& c : cases) {
        const std::string page =
            StatsPage(c.learners, "h.jsonl", c.language, {Day("2026-12-09"), Day("2026-12-20")});
        EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\n<html lang=\"" + std::string(c.language) +
                                     "\">\n<head>\n<meta charset=\"utf-8\">\n"))
            << page;
        EXPECT_EQ(Count(page, "<circle"), c.dots) << c.language;
        for (const std::string& part : c.shown)
            EXPECT_NE(page.find(part), std::string::npos) << part;
    }
}

// The class page as a browser shows it: the charts survive the parser whole, and the console
// stays silent (the page forbids every load, so a fetch would be reported there).
TEST(Stats, ClassPageRendersInABrowser) {
    test::TempDir dir;
    std::ofstream(dir.File("alice.jsonl"), std::ios::binary) << kHistory;
    std::ofstream(dir.File("bob.jsonl"), std::ios::binary) << kFoxHistory;
    const std::string page = dir.File("class.html");
    std::string out, errors;
    ASSERT_EQ(RunCommand(RunStats, {"--html", page, dir.File("alice.jsonl"), dir.File("bob.jsonl")},
                         out, errors),
              kSuccess)
        << errors;
    EXPECT_TRUE(out.starts_with("alice:\ndictionary")) << out;
    EXPECT_NE(out.find("\n\nbob:\ndictionary"), std::string::npos) << out;

    const std::string written = ReadWholeFile(page);
    const std::string dom = dir.File("dom.html");
    const std::string log = dir.File("chromium.log");
    // timeout is the deadline, inside the test's own: a browser that hangs fails with its log.
    const std::string command =
        "timeout 100 chromium --headless --disable-gpu --no-sandbox "
        "--user-data-dir='" +
        dir.File("profile") + "' --enable-logging=stderr --v=0 --dump-dom 'file://" + page +
        "' >'" + dom + "' 2>'" + log + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadWholeFile(log);
    const std::string shown = ReadWholeFile(dom);
    EXPECT_EQ(Count(shown, "<svg"), 4u);
    EXPECT_EQ(Count(shown, "<circle"), Count(written, "<circle"));
    EXPECT_EQ(Count(shown, "<polyline"), Count(written, "<polyline"));
    EXPECT_EQ(Count(shown, "</svg>\n<h3>") + Count(shown, "</svg>\n<p>"), 4u)
        << "every chart ends where it was written";
    EXPECT_EQ(ReadWholeFile(log).find(":CONSOLE"), std::string::npos) << ReadWholeFile(log);
}

}  // namespace
}  // namespace lexo::dict
