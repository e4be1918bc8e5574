// The pieces the benchmarks stand on: the printed line, the median, the generated dictionary and
// the processor time read from /proc.

#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <thread>

#include "bench_report.h"
#include "child_process.h"
#include "word_maker.h"

namespace lexo::bench {
namespace {

TEST(BenchReport, FigureLineHasTheFixedForm) {
    EXPECT_EQ(FormatFigure({"frame", 120.5, 40, "us", 2}),
              "bench frame: 120.5 us vs floor 40 us = ratio 3.01 (target <= 2)");
    EXPECT_EQ(FormatFigure({"startup", 55.55, 22.2, "ms", 2}),
              "bench startup: 55.55 ms vs floor 22.2 ms = ratio 2.50 (target <= 2)");
    EXPECT_EQ(FormatFigure({"review", 12, 4, "ms", 0, true}),
              "bench review: 12 ms vs floor 4 ms = ratio 3.00 (information)");
}

TEST(BenchReport, MedianSecondsLeavesThePreparationOut) {
    int prepared = 0;
    int ran = 0;
    const double seconds = MedianSeconds(
        5, [&] { ++ran; },
        [&] {
            ++prepared;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        });
    EXPECT_EQ(ran, 5);
    EXPECT_EQ(prepared, 5);
    EXPECT_LT(seconds, 0.02);
    // One repetition has no statistics: its own time is the median.
    EXPECT_GE(MedianSeconds(1, [] { std::this_thread::sleep_for(std::chrono::milliseconds(5)); }),
              0.005);
}

TEST(BenchReport, MedianOfOddAndEvenCounts) {
    EXPECT_EQ(Median({5, 1, 3}), 3);
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(Median({}), 0);
}

TEST(BenchReport, LeastOfRoundsKeepsEachFiguresLeast) {
    const std::vector<std::vector<double>> rounds = {{5, 1, 9}, {3, 4, 9}, {6, 2, 8}};
    size_t measured = 0;
    const std::vector<double> least =
        LeastOfRounds(3, std::chrono::milliseconds(1), [&] { return rounds[measured++]; });
    EXPECT_EQ(measured, 3u);
    EXPECT_EQ(least, (std::vector<double>{3, 1, 8}));
}

TEST(WordMaker, WordsAreDistinctSingleByteAndVaried) {
    const std::vector<std::string> words = MakeWords(20000, 1);
    ASSERT_EQ(words.size(), 20000u);
    EXPECT_EQ(std::set<std::string>(words.begin(), words.end()).size(), words.size());
    size_t cyrillic = 0, phrases = 0, shortest = 100, longest = 0;
    for (const std::string& word : words) {
        for (char c : word) {
            ASSERT_NE(c, '\r');
            ASSERT_NE(c, '\n');
            cyrillic += static_cast<unsigned char>(c) >= 0xC0;
        }
        phrases += word.find(' ') != std::string::npos;
        shortest = std::min(shortest, word.size());
        longest = std::max(longest, word.size());
    }
    EXPECT_GT(cyrillic, 0u);
    EXPECT_GT(phrases, 0u);
    EXPECT_LE(shortest, 4u);
    EXPECT_GE(longest, 16u);
    EXPECT_EQ(MakeWords(50, 1), MakeWords(50, 1));
}

TEST(WordMaker, DictionaryTextEndsEveryLineWithCrLf) {
    EXPECT_EQ(DictionaryText({"кот", "dog"}), "кот\r\ndog\r\n");
}

TEST(ChildProcess, ProcessorTimeIsReadUntilTheChildIsKilled) {
    ChildProcess child("/", "/bin/sleep", {}, {"30"});
    ASSERT_TRUE(child.Started());
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(child.Running());
    std::optional<double> seconds = child.CpuSeconds();
    ASSERT_TRUE(seconds.has_value());
    EXPECT_GE(*seconds, 0.0);
    child.Kill();
    EXPECT_FALSE(child.Running());
    EXPECT_FALSE(child.CpuSeconds().has_value());
}

TEST(ChildProcess, SchedstatLineGivesItsFirstFieldInSeconds) {
    EXPECT_EQ(SchedstatSeconds("1500000000 2000 31\n"), 1.5);
    EXPECT_DOUBLE_EQ(SchedstatSeconds("12345678901234 0 0").value_or(0), 12345.678901234);
    EXPECT_EQ(SchedstatSeconds(""), std::nullopt);
    EXPECT_EQ(SchedstatSeconds("x 1 2"), std::nullopt);
    // This process's own threads have run for some time already.
    EXPECT_GT(ThreadsCpuSeconds(getpid()).value_or(0), 0.0);
    EXPECT_EQ(ThreadsCpuSeconds(-1), std::nullopt);
}

}  // namespace
}  // namespace lexo::bench
