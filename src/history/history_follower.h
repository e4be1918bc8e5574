#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "history/history_reader.h"

namespace lexo {

// Reads a history file as it grows, so that a reader who looks again after every game reads
// each game once.
class HistoryFollower {
  public:
    explicit HistoryFollower(std::string path) : path_(std::move(path)) {}

    struct News {
        std::vector<HistoryGame> games;  // in file order
        // The file was replaced, shortened or is gone: games is the whole history (or none),
        // and what was read before no longer counts.
        bool afresh = false;
    };

    // The games of the whole lines written since the last call (all of them the first time). A
    // line still being written is left for the next call; an unreadable file has no games.
    News ReadNew();

    // Forgets what was read: the next call reads the whole file afresh.
    void Restart() { read_ = 0, device_ = 0, inode_ = 0; }

  private:
    std::string path_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    off_t read_ = 0;  // up to the end of the last whole line read
};

}  // namespace lexo
