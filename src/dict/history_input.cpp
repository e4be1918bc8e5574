#include "dict/history_input.h"

#include <filesystem>
#include <iostream>

#include "dict/commands.h"
#include "dict/diagnostics.h"
#include "errors/run_time_error.h"
#include "history/history_file.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace lexo::dict {

std::optional<History> LoadHistory(const Arguments& arguments, const std::string& command,
                                   int& status) {
    status = kUsageOrFiles;
    const std::optional<std::string> path = arguments.Value("--history").has_value()
                                                ? arguments.Value("--history")
                                                : HistoryFilePath();
    if (!path) {
        std::cerr << "lexodrome-dict " << command
                  << ": no history file (LEXODROME_HISTORY=off, or no home folder); "
                     "name one with --history FILE\n";
        return std::nullopt;
    }
    if (!std::filesystem::exists(*path)) {
        std::cerr << "lexodrome-dict " << command << ": " << *path
                  << ": no such file (no game has been kept there yet)\n";
        return std::nullopt;
    }
    std::string text;
    try {
        text = ReadWholeFile(*path);
    } catch (const RunTimeError& error) {
        std::cerr << "lexodrome-dict: " << Cp1251ToUtf8(error.what()) << '\n';
        return std::nullopt;
    }
    History history = ReadHistory(text);
    for (const HistorySkip& skip : history.skipped) {
        std::cerr << FormatDiagnostic({*path, skip.line, Severity::Warning,
                                       "skipped, " + skip.reason})
                  << '\n';
    }
    status = kSuccess;
    return history;
}

}  // namespace lexo::dict
