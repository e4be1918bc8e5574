#pragma once

#include <array>
#include <cstddef>

#include "history/graded_words.h"

namespace lexo {

// The memory model of FSRS-6, computed as fsrs-rs computes it: a word's memory is its stability
// S (the days until recall falls to 90 %) and its difficulty D (1 to 10), and the chance of
// recall t days after the last review is R(t, S) = (1 + F·t/S)^(−w20).
inline constexpr size_t kFsrsParameterCount = 21;
using FsrsParameters = std::array<double, kFsrsParameterCount>;

// fsrs-rs's defaults, fitted on the reviews of some ten thousand Anki users; w20 is the decay.
inline constexpr FsrsParameters kDefaultFsrsParameters = {
    0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001,  1.8722, 0.1666, 0.796,
    1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

// The range fsrs-rs keeps each parameter in, when it fits them and when it is given them.
extern const FsrsParameters kFsrsLowerBounds;
extern const FsrsParameters kFsrsUpperBounds;

// The retention the review aims at: a word is due when its R falls below it.
inline constexpr double kDesiredRetention = 0.9;

struct MemoryState {
    double stability = 0;
    double difficulty = 0;
};

// Each parameter brought into its range.
FsrsParameters ClampedParameters(const FsrsParameters& w);

// The chance of recall `days` after the last review.
double Retrievability(const FsrsParameters& w, double days, double stability);

// The days after the last review when R falls to `retention`.
double DaysUntilRetention(const FsrsParameters& w, double stability, double retention);

// The state after a word's first review.
MemoryState FirstMemory(const FsrsParameters& w, Rating rating);

// The state after a later review `days` whole days after the one before (0: the same day).
MemoryState NextMemory(const FsrsParameters& w, const MemoryState& state, double days,
                       Rating rating);

}  // namespace lexo
