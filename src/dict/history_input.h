#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "dict/command_line.h"
#include "history/history_reader.h"

namespace lexo::dict {

// The history a command reads: the file given by --history, else the game's own history file.
// Lines that are not games are reported on standard error as FILE:LINE: warning: …. Nothing,
// with `status` set, after saying why there is no history to read.
std::optional<History> LoadHistory(const Arguments& arguments, const std::string& command,
                                   int& status);

// "2026-12-09" as a day; nothing when the text is no such day.
std::optional<std::chrono::sys_days> ParseDay(const std::string& text);

// The history in the file `path`, as above.
std::optional<History> LoadHistoryFile(const std::string& path, const std::string& command,
                                       int& status);

}  // namespace lexo::dict
