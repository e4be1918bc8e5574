#pragma once

#include <cstddef>
#include <functional>
#include <random>
#include <vector>

#include "history/fsrs.h"
#include "history/memory_states.h"

namespace lexo::bench {

// A learner whose memory is FSRS-6 with parameters of their own: the defaults each scaled by a
// random factor, within fsrs-rs's bounds.
FsrsParameters LearnerParameters(std::mt19937& random);

// Which words to review on a day, from the reviews so far: at most `budget` indexes of `words`
// (a word with no review yet is new).
using Scheduler = std::function<std::vector<size_t>(const std::vector<WordHistory>& words,
                                                    std::chrono::sys_days today, size_t budget)>;

// What a learner did: every word's reviews, and how many were made.
struct Simulation {
    std::vector<WordHistory> words;
    size_t reviews = 0;
    size_t known = 0;  // words whose true R is at least 0.9 on the last day
};

// Plays `days` days of at most `budget` reviews a day over `wordCount` words as `scheduler`
// asks; each review is recalled (Good) with the learner's true chance, else Again.
Simulation Simulate(const FsrsParameters& learner, size_t wordCount, int days, size_t budget,
                    const Scheduler& scheduler, std::mt19937& random);

// The due words in their order, then new words, at most `budget` in all.
std::vector<size_t> WithinBudget(const std::vector<size_t>& due, const std::vector<size_t>& fresh,
                                 size_t budget);

// The words below the desired retention by `w`, the lowest first, then new words in list order.
std::vector<size_t> ModelSchedule(const FsrsParameters& w, const std::vector<WordHistory>& words,
                                  std::chrono::sys_days today, size_t budget);

}  // namespace lexo::bench
