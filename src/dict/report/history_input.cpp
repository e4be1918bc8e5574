#include "dict/report/history_input.h"

#include <algorithm>
#include <filesystem>

#include "dict/diagnostics/diagnostics.h"
#include "dict/diagnostics/exit_status.h"
#include "history/history_file.h"
#include "text/file_reader.h"

namespace lexo::dict {
namespace {

constexpr size_t kSkipsShown = 20;

}  // namespace

Outcome<HistoryInput> LoadHistory(const std::optional<std::string>& named,
                                  const std::string& command) {
    const std::optional<std::string> path = named ? named : HistoryFilePath();
    if (!path) {
        return std::unexpected(EarlyEnd{
            kUsageOrFiles, "lexodrome-dict " + command +
                               ": no history file (LEXODROME_HISTORY=off, or no home folder); "
                               "name one with --history FILE\n"});
    }
    return LoadHistoryFile(*path, command);
}

std::optional<std::chrono::sys_days> ParseDay(const std::string& text) {
    std::chrono::sys_seconds unused;
    std::chrono::sys_days day;
    if (!ParseHistoryTime(text + "T12:00:00Z", unused, day)) return std::nullopt;
    return day;
}

Outcome<HistoryInput> LoadHistoryFile(const std::string& path, const std::string& command) {
    std::error_code missing;
    if (!std::filesystem::exists(path, missing) && !missing) {
        return std::unexpected(
            EarlyEnd{kUsageOrFiles, "lexodrome-dict " + command + ": " + path +
                                        ": no such file (no game has been kept there yet)\n"});
    }
    const std::expected<std::string, FileError> text = ReadFile(path, {.pipesToo = true});
    if (!text) {
        return std::unexpected(EarlyEnd{
            kUsageOrFiles, "lexodrome-dict " + command +
                               ": cannot read the history: " + text.error().Text() + "\n"});
    }
    HistoryInput input{ReadHistory(*text), ""};
    // A file that is not a history at all would give a warning for each of its lines.
    const std::vector<HistorySkip>& skipped = input.history.skipped;
    const size_t shown = std::min(skipped.size(), kSkipsShown);
    for (size_t i = 0; i < shown; ++i) {
        input.warnings += FormatDiagnostic({path, skipped[i].line, Severity::Warning,
                                            "skipped, " + skipped[i].reason}) +
                          "\n";
    }
    if (skipped.size() > shown) {
        input.warnings += path + ": " + std::to_string(skipped.size() - shown) +
                          " more lines skipped that are not games\n";
    }
    return input;
}

}  // namespace lexo::dict
