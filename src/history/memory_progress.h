#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "history/fsrs.h"
#include "history/memory_states.h"

namespace lexo {

// How many words of a dictionary the learner knew on the day of a game: the sum over the words
// played by then of their chance of recall that day.
struct KnownAfterGame {
    const HistoryGame* game;  // the last game of its day
    std::string dictionary;
    double words = 0;
};

// Day by day in the order played, every dictionary played by then.
std::vector<KnownAfterGame> KnownOverDays(const std::vector<HistoryGame>& games,
                                          const FsrsParameters& w);

// The sum of R on `day` over the words.
double KnownOn(const std::vector<WordHistory>& words, const FsrsParameters& w,
               std::chrono::sys_days day);

// The reviews a day or more after the one before, and how many were not Again.
struct Retention {
    size_t reviews = 0;
    size_t recalled = 0;
};
Retention TrueRetention(const std::vector<WordHistory>& words);

// The model's predictions for those reviews in tenths of R (0–0.1 … 0.9–1), and what happened.
struct CalibrationBin {
    size_t reviews = 0;
    double predicted = 0;  // the sum of R
    size_t recalled = 0;
};
std::array<CalibrationBin, 10> Calibration(const std::vector<WordHistory>& words,
                                           const FsrsParameters& w);

}  // namespace lexo
