#include "dict/report/history_input.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "dict/diagnostics/diagnostics.h"
#include "dict/diagnostics/exit_status.h"
#include "error_type/run_time_error.h"
#include "history/history_file.h"
#include "text/cp1251.h"
#include "text/file_reader.h"
#include "text/text_file.h"

namespace lexo::dict {
namespace {

constexpr size_t kSkipsShown = 20;

}  // namespace

std::optional<History> LoadHistory(const std::optional<std::string>& named,
                                   const std::string& command, int& status) {
    status = kUsageOrFiles;
    const std::optional<std::string> path = named ? named : HistoryFilePath();
    if (!path) {
        std::cerr << "lexodrome-dict " << command
                  << ": no history file (LEXODROME_HISTORY=off, or no home folder); "
                     "name one with --history FILE\n";
        return std::nullopt;
    }
    return LoadHistoryFile(*path, command, status);
}

std::optional<History> LoadHistoryFile(const std::string& path, const std::string& command,
                                       int& status) {
    status = kUsageOrFiles;
    std::error_code missing;
    if (!std::filesystem::exists(path, missing) && !missing) {
        std::cerr << "lexodrome-dict " << command << ": " << path
                  << ": no such file (no game has been kept there yet)\n";
        return std::nullopt;
    }
    std::string text;
    try {
        text = ReadBoundedFile(path, kFileLimit, true);
    } catch (const RunTimeError& error) {
        std::cerr << "lexodrome-dict: " << Cp1251ToUtf8(error.what()) << '\n';
        return std::nullopt;
    }
    History history = ReadHistory(text);
    // A file that is not a history at all would give a warning for each of its lines.
    const size_t shown = std::min(history.skipped.size(), kSkipsShown);
    for (size_t i = 0; i < shown; ++i) {
        const HistorySkip& skip = history.skipped[i];
        std::cerr << FormatDiagnostic(
                         {path, skip.line, Severity::Warning, "skipped, " + skip.reason})
                  << '\n';
    }
    if (history.skipped.size() > shown) {
        std::cerr << path << ": " << history.skipped.size() - shown
                  << " more lines skipped that are not games\n";
    }
    status = kSuccess;
    return history;
}

}  // namespace lexo::dict
