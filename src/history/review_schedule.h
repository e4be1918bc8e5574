#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "history/fsrs.h"
#include "history/memory_states.h"

namespace lexo {

// A word the review offers, with what the memory model says of it today. Texts are UTF-8.
struct ReviewWord {
    std::string dictionary;
    std::string word;
    std::string translation;  // from the latest game that kept one
    double retrievability = 1;
    int misses = 0;  // reviews graded Again
    std::chrono::sys_days lastDay;
    std::chrono::sys_days dueDay;  // when R is down to the desired retention
};

// The words whose retrievability on `today` is below the desired retention, the lowest first,
// at most `limit`. A word no game kept a translation of cannot make a dictionary line, and is
// left out.
std::vector<ReviewWord> DueWords(const std::vector<WordHistory>& words, const FsrsParameters& w,
                                 std::chrono::sys_days today, size_t limit);

// The same over a whole history.
std::vector<ReviewWord> ScheduleReview(const std::vector<HistoryGame>& games,
                                       std::chrono::sys_days today, size_t limit,
                                       const FsrsParameters& w = kDefaultFsrsParameters);

}  // namespace lexo
