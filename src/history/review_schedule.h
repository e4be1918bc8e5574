#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
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
    std::chrono::sys_days dueDay;   // box 1: lastDay; box k: lastDay + 2^(k-2) days
};

// A word in this box or above counts as mastered.
inline constexpr int kMasteredBox = 4;

// The Leitner schedule, game by game in the order they were played: a word missed goes to box 1,
// which is due at once; a word shot moves up one box (only words missed before are scheduled: a
// shot word brings no translation), and box k >= 2 is due again 2^(k-2) days after its last
// game. Words are told apart by dictionary and word, whatever the mode; a word of a review game
// counts for the dictionary it came from.
class ReviewScheduler {
  public:
    void Play(const HistoryGame& game);

    // The words due on `today` first, most-missed first, then the others (the soonest due
    // first), at most `limit`; with dueOnly, the due ones alone.
    std::vector<ReviewWord> Schedule(std::chrono::sys_days today, size_t limit,
                                     bool dueOnly = false) const;

    // How many words of each dictionary that has missed words are in kMasteredBox or above.
    const std::map<std::string, size_t>& MasteredByDictionary() const { return mastered_; }

  private:
    // Where each word is in words_, by dictionary, then by word.
    using Positions = std::unordered_map<std::string, size_t>;
    std::unordered_map<std::string, Positions> positions_;
    // In the order first missed. What the order needs is kept apart from the texts, in one
    // block, so that the dialog's look after every game touches little memory.
    struct Key {
        std::chrono::sys_days due;
        int misses = 0;
    };
    std::vector<ReviewWord> words_;
    std::vector<Key> keys_;
    // Kept as words cross kMasteredBox, so that a look after every game costs no walk.
    std::map<std::string, size_t> mastered_;
};

// The schedule of the whole history, as ReviewScheduler::Schedule gives it.
std::vector<ReviewWord> ScheduleReview(const std::vector<HistoryGame>& games,
                                       std::chrono::sys_days today, size_t limit);

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
