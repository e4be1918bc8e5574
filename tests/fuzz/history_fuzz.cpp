// The history's readers on any bytes: every line is a game or a skip named by its number, and
// what review and stats make of the games is a dictionary the game reads line for line and a
// page, whatever the lines held.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dict/report/stats_report.h"
#include "dict/review_folder.h"
#include "fuzz_check.h"
#include "history/history_stats.h"
#include "text/text_lines.h"

namespace {

using namespace lexo;

constexpr size_t kLimit = 5;

bool HoldsLineEnd(const std::string& line) {
    return line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    size_t lines = 0;
    ForEachLine(text, LineEnds::CrLfOrLf, [&](std::string_view) { ++lines; });
    const History history = ReadHistory(text);
    LEXO_FUZZ_CHECK(history.games.size() + history.skipped.size() <= lines);
    for (const HistoryGame& game : history.games)
        LEXO_FUZZ_CHECK(game.line >= 1 && game.line <= lines);
    for (const HistorySkip& skip : history.skipped)
        LEXO_FUZZ_CHECK(skip.line >= 1 && skip.line <= lines);

    const auto today = std::chrono::sys_days(std::chrono::year(2026) / 12 / 7);
    const std::vector<ReviewWord> words = ScheduleReview(history.games, today, kLimit);
    LEXO_FUZZ_CHECK(words.size() <= kLimit);
    const dict::DictionaryLines made = dict::ReviewFolderLines(words);
    LEXO_FUZZ_CHECK(made.names.size() == made.names2.size() && made.names.size() <= words.size());
    for (size_t i = 0; i < made.names.size(); ++i) {
        LEXO_FUZZ_CHECK(!made.names[i].empty() && !HoldsLineEnd(made.names[i]));
        LEXO_FUZZ_CHECK(!HoldsLineEnd(made.names2[i]));
    }
    for (const std::string& line : made.about) LEXO_FUZZ_CHECK(!HoldsLineEnd(line));

    const std::vector<PlayStats> stats = SummariseHistory(history.games);
    const std::string page = dict::StatsPage({{"", history.games}}, "fuzz", "en", {today, today});
    // Texts from the history are escaped: the only tags are the page's own.
    LEXO_FUZZ_CHECK(page.find("<script") == std::string::npos);
    dict::StatsTable(stats);
    return 0;
}
