#pragma once

#include <optional>
#include <string>

#include "records/game_record.h"

namespace lexo {

// The history file: $XDG_STATE_HOME/lexodrome/history.jsonl, or
// ~/.local/state/lexodrome/history.jsonl; nothing when LEXODROME_HISTORY is "off" or no home
// folder is known.
std::optional<std::string> HistoryFilePath();

// Appends one line (a line end is added) in a single write to the file opened for appending,
// making its folder first; so a crash or a full disk never leaves half a game that a reader
// would take for one. The error text when it could not.
std::optional<std::string> AppendHistoryLine(const std::string& path, const std::string& line);

// The history as the game keeps it: every finished game appended to the history file. A
// failure is one line on standard error, and the game goes on.
class FileHistory : public GameHistory {
  public:
    void Record(const GameRecord& game) override;
};

}  // namespace lexo
