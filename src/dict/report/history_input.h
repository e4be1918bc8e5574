#pragma once

#include <optional>
#include <string>

#include "history/history_reader.h"

namespace lexo::dict {

// The history a command reads: the file `named` by --history, else the game's own history file.
// Lines that are not games are reported on standard error as FILE:LINE: warning: …. Nothing,
// with `status` set, after saying why there is no history to read.
std::optional<History> LoadHistory(const std::optional<std::string>& named,
                                   const std::string& command, int& status);

// The history in the file `path`, as above.
std::optional<History> LoadHistoryFile(const std::string& path, const std::string& command,
                                       int& status);

}  // namespace lexo::dict
