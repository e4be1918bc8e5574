#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "history/history_reader.h"

namespace lexo {

// A word of the history that has been missed at least once, where the Leitner schedule has it.
// Texts are UTF-8.
struct ReviewWord {
    std::string dictionary;
    std::string word;
    std::string translation;  // from the latest game that missed it
    int box = 1;
    int misses = 0;
    std::chrono::sys_days lastDay;  // of the last game that shot or missed it
    std::chrono::sys_days dueDay;   // lastDay + 2^(box-1) days
};

// The Leitner schedule over the games, taken in the order they were played: a word missed goes
// to box 1, a word shot moves up one box (only words missed before are scheduled: a shot word
// brings no translation), and box k is due again 2^(k-1) days after its last game. Words are
// told apart by dictionary and word, whatever the mode. The result: the words due on `today`
// first, most-missed first, then the others (the soonest due first), at most `limit`.
std::vector<ReviewWord> ScheduleReview(const std::vector<HistoryGame>& games,
                                       std::chrono::sys_days today, size_t limit);

// A word in this box or above counts as mastered.
inline constexpr int kMasteredBox = 4;

// How many words of a dictionary were mastered once a game was played.
struct MasteredAfterGame {
    const HistoryGame* game;
    std::string dictionary;
    size_t words;
};

// Game by game in the order they were played, by the boxes of the same schedule: the mastered
// words of the game's dictionary, and of any other dictionary whose count the game changed.
std::vector<MasteredAfterGame> MasteredOverGames(const std::vector<HistoryGame>& games);

// Whether the word is due on `today`.
inline bool IsDue(const ReviewWord& word, std::chrono::sys_days today) {
    return word.dueDay <= today;
}

}  // namespace lexo
