#include <iostream>
#include <optional>

#include "dict/command_line.h"
#include "dict/commands.h"
#include "dict/folder_writer.h"
#include "dict/history_input.h"
#include "dict/stats_report.h"
#include "history/history_file.h"

namespace lexo::dict {
namespace {

constexpr const char* kUsage = R"(usage: lexodrome-dict stats [--html FILE] [--history FILE]

Prints the progress kept in the history, one row per dictionary and mode: the games, the best
and the latest score, the words shot and missed over all games, and the ten most-missed words
with how often each was missed.

options:
  --html FILE      also write the table to FILE as one self-contained HTML page, with a
                   chart of the score over the games of each dictionary
  --history FILE   read FILE instead of the game's history
                   ($XDG_STATE_HOME/lexodrome/history.jsonl)
  --help           this text

exit status: 0 shown, 2 usage or file error
)";

bool WritePage(const std::string& file, const std::string& page) {
    try {
        WriteWholeFile(file, page);
    } catch (const FolderWriteError& error) {
        std::cerr << "lexodrome-dict: " << error.what() << '\n';
        return false;
    }
    return true;
}

}  // namespace

int RunStats(const std::vector<std::string>& args) {
    int status = kSuccess;
    const auto parsed = ReadCommandLine({"stats", kUsage, {"--html", "--history"}, {}}, args,
                                        NoPositionalArguments, status);
    if (!parsed) return status;
    const std::optional<History> history = LoadHistory(*parsed, "stats", status);
    if (!history) return status;

    const std::vector<PlayStats> stats = SummariseHistory(history->games);
    if (stats.empty()) {
        std::cout << "no game kept yet\n";
    } else {
        std::cout << StatsTable(stats);
    }
    const auto html = parsed->Value("--html");
    const std::string source = parsed->Value("--history").value_or(HistoryFilePath().value_or(""));
    if (html && !WritePage(*html, StatsPage(stats, source))) return kUsageOrFiles;
    return kSuccess;
}

}  // namespace lexo::dict
