#pragma once

#include <chrono>
#include <string>
#include <unordered_map>
#include <vector>

#include "history/fsrs.h"
#include "history/history_reader.h"

namespace lexo {

// The day a game counts for in the model: its date on the player's clock, a day starting at 4 in
// the morning, so that a game after midnight belongs to the evening before.
std::chrono::sys_days ReviewDay(const HistoryGame& game);

// The review day it is now on this computer's clock.
std::chrono::sys_days ReviewToday();

struct WordReview {
    Rating rating = Rating::Good;
    std::chrono::sys_days day;
};

// Every review of one word, in the order played. A word is its dictionary and the word as
// written, whatever the mode.
struct WordHistory {
    std::string dictionary;
    std::string word;
    std::string translation;  // the latest a game kept; empty when none did
    std::vector<WordReview> reviews;
};

// The whole days from review i − 1 to review i of a word, 0 for its first. Never below 0: a
// game played later by the clock may lie on an earlier day of another time zone.
int ReviewGap(const std::vector<WordReview>& reviews, size_t i);

// The reviews of every word, game by game in the order they were played, each word in the
// order it was first played. A word a game played twice is one review of that game, graded by
// its worse.
class WordLog {
  public:
    void Play(const HistoryGame& game);
    const std::vector<WordHistory>& Words() const { return words_; }

  private:
    std::vector<WordHistory> words_;
    // Where each word is in words_, by dictionary, then by word.
    std::unordered_map<std::string, std::unordered_map<std::string, size_t>> positions_;
};

// The log of a whole history.
std::vector<WordHistory> WordHistories(const std::vector<HistoryGame>& games);

// The state after all of a word's reviews (at least one).
MemoryState MemoryAfter(const FsrsParameters& w, const std::vector<WordReview>& reviews);

// What the model says of a word on a day.
struct WordMemory {
    MemoryState state;
    std::chrono::sys_days last;  // the day of its last review
    double retrievability = 1;   // on the day asked about
    std::chrono::sys_days due;   // the first day R is down to the desired retention
};

WordMemory MemoryOn(const FsrsParameters& w, const WordHistory& word, std::chrono::sys_days day);

}  // namespace lexo
