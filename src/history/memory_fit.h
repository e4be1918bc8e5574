#pragma once

#include <cstddef>
#include <vector>

#include "history/fsrs.h"
#include "history/memory_states.h"

namespace lexo {

// How well parameters predict the reviews that come a day or more after the one before, as
// fsrs-rs evaluates them: each such review is a prediction R of recall, Again being a failure.
// Later reviews weigh more, 0.25 for the oldest up to 1 for the newest.
struct Prediction {
    double logLoss = 0;
    double rmseBins = 0;  // predicted against recalled, in fsrs-rs's bins of gap, count and lapses
};

// The reviews a fit learns from, in the order played.
class MemoryReviews {
  public:
    explicit MemoryReviews(const std::vector<WordHistory>& words);

    // How many reviews count: those with an earlier one a day or more before.
    size_t Count() const { return weights_.size(); }

    double LogLoss(const FsrsParameters& w) const;
    Prediction Evaluate(const FsrsParameters& w) const;

  private:
    template <class Visit>
    void ForEachPrediction(const FsrsParameters& w, Visit&& visit) const;

    const std::vector<WordHistory>& words_;
    // Beside each counted review in the order words_ holds them: its weight and its bin.
    std::vector<double> weights_;
    std::vector<size_t> bins_;
    size_t binCount_ = 0;
};

// The fewest counted reviews a fit is made from: with fewer, 21 parameters would fit chance.
inline constexpr size_t kFewestFitReviews = 400;

// The parameters that minimise the log loss plus fsrs-rs's pull towards the defaults, within
// fsrs-rs's bounds, from the defaults. The reviews must number at least kFewestFitReviews.
FsrsParameters FitParameters(const MemoryReviews& reviews);

}  // namespace lexo
