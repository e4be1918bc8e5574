#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "dict/diagnostics/early_end.h"
#include "history/history_reader.h"

namespace lexo::dict {

// A history read for a command, and the warnings about its lines that are not games, as
// FILE:LINE: warning: … lines for standard error.
struct HistoryInput {
    History history;
    std::string warnings;
};

// The history a command reads: the file `named` by --history, else the game's own history file.
// Its end when there is no history to read.
Outcome<HistoryInput> LoadHistory(const std::optional<std::string>& named,
                                  const std::string& command);

// "2026-12-09" as a day; nothing when the text is no such day.
std::optional<std::chrono::sys_days> ParseDay(const std::string& text);

// The history in the file `path`, as above.
Outcome<HistoryInput> LoadHistoryFile(const std::string& path, const std::string& command);

}  // namespace lexo::dict
