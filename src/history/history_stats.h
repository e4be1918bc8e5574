#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "history/history_reader.h"
#include "history/review_schedule.h"

namespace lexo {

// How the games of one dictionary in one mode went. Texts are UTF-8.
struct PlayStats {
    std::string dictionary;
    std::string mode;
    size_t games = 0;
    int64_t best = 0;
    int64_t latest = 0;  // the score of the last game played
    size_t shot = 0;     // words, over all games
    size_t missed = 0;
    std::vector<std::pair<std::string, size_t>> mostMissed;  // word, times; at most ten
};

inline constexpr size_t kMostMissedShown = 10;

// One entry per dictionary and mode, by dictionary then mode; the games in the order they were
// played, the most-missed words by count, then alphabetically.
std::vector<PlayStats> SummariseHistory(const std::vector<HistoryGame>& games);

// The words missed most over all the games, each with the translation of its latest miss: by
// misses, then by dictionary and word; at most kMostMissedShown.
std::vector<ReviewWord> MostMissedWords(const std::vector<HistoryGame>& games);

}  // namespace lexo
