#include "history/memory_fit.h"

#include <nlopt.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace lexo {
namespace {

// A prediction of 0 or 1 that proves wrong would make the loss infinite.
constexpr double kClosestToCertain = 1e-6;

// fsrs-rs's bins: the gap on a scale of powers of 3.62, the count of reviews a day or more apart
// on powers of 1.89, the lapses among them on powers of 1.73.
using Bin = std::tuple<long, long, long>;

long Step(double value, double base, double scale) {
    return std::lround(scale * std::pow(base, std::floor(std::log(value) / std::log(base))));
}

Bin BinOf(int gap, int longTermReviews, int lapses) {
    return {Step(gap, 3.62, 248), Step(longTermReviews + 1, 1.89, 1.99),
            lapses == 0 ? 0 : Step(lapses, 1.73, 1.65)};
}

// How far each parameter commonly lies from its default among Anki's users (fsrs-rs's figures).
constexpr FsrsParameters kParameterSpread = {6.43, 9.66, 17.58, 27.85, 0.57, 0.28, 0.6,
                                             0.12, 0.39, 0.18,  0.33,  0.3,  0.09, 0.16,
                                             0.57, 0.25, 1.03,  0.31,  0.32, 0.14, 0.27};

// The log loss plus, as fsrs-rs trains, a pull towards the defaults that fades as the reviews
// grow: without it a few hundred reviews, all made near R = 0.9, let parameters they cannot tell
// apart wander off and mispredict the days between reviews.
double Objective(unsigned n, const double* x, double* gradient, void* data) {
    (void)gradient;  // a derivative-free method
    FsrsParameters w;
    std::copy(x, x + n, w.begin());
    const auto& reviews = *static_cast<const MemoryReviews*>(data);
    double pull = 0;
    for (size_t i = 0; i < kFsrsParameterCount; ++i) {
        const double away = (w[i] - kDefaultFsrsParameters[i]) / kParameterSpread[i];
        pull += away * away;
    }
    return reviews.LogLoss(w) + pull / static_cast<double>(reviews.Count());
}

}  // namespace

MemoryReviews::MemoryReviews(const std::vector<WordHistory>& words) : words_(words) {
    // The order of play decides the weights: a counted review's rank among all of them by day.
    std::vector<std::pair<std::chrono::sys_days, size_t>> days;
    std::map<Bin, size_t> binNumbers;
    for (const WordHistory& word : words_) {
        int longTerm = 0, lapses = 0;
        for (size_t i = 1; i < word.reviews.size(); ++i) {
            const int gap = ReviewGap(word.reviews, i);
            if (gap < 1) continue;
            ++longTerm;
            const Bin bin = BinOf(gap, longTerm, lapses);
            bins_.push_back(binNumbers.try_emplace(bin, binNumbers.size()).first->second);
            days.push_back({word.reviews[i].day, days.size()});
            if (word.reviews[i].rating == Rating::Again) ++lapses;
        }
    }
    binCount_ = binNumbers.size();
    std::stable_sort(days.begin(), days.end());
    weights_.resize(days.size());
    const double last = std::max<double>(static_cast<double>(days.size()) - 1, 1);
    for (size_t rank = 0; rank < days.size(); ++rank)
        weights_[days[rank].second] = 0.25 + 0.75 * std::pow(rank / last, 3);
}

// Calls visit(index, predicted R, recalled) for each counted review.
template <class Visit>
void MemoryReviews::ForEachPrediction(const FsrsParameters& w, Visit&& visit) const {
    size_t index = 0;
    for (const WordHistory& word : words_) {
        if (word.reviews.empty()) continue;
        MemoryState state = FirstMemory(w, word.reviews.front().rating);
        for (size_t i = 1; i < word.reviews.size(); ++i) {
            const WordReview& review = word.reviews[i];
            const int gap = ReviewGap(word.reviews, i);
            if (gap >= 1) {
                const double r = std::clamp(Retrievability(w, gap, state.stability),
                                            kClosestToCertain, 1 - kClosestToCertain);
                visit(index++, r, review.rating != Rating::Again);
            }
            state = NextMemory(w, state, gap, review.rating);
        }
    }
}

double MemoryReviews::LogLoss(const FsrsParameters& w) const {
    double loss = 0, total = 0;
    ForEachPrediction(w, [&](size_t index, double r, bool recalled) {
        loss -= weights_[index] * std::log(recalled ? r : 1 - r);
        total += weights_[index];
    });
    return total > 0 ? loss / total : 0;
}

Prediction MemoryReviews::Evaluate(const FsrsParameters& w) const {
    struct Sums {
        double predicted = 0, recalled = 0, count = 0, weight = 0;
    };
    std::vector<Sums> bins(binCount_);
    ForEachPrediction(w, [&](size_t index, double r, bool recalled) {
        Sums& sums = bins[bins_[index]];
        sums.predicted += r;
        sums.recalled += recalled ? 1 : 0;
        sums.count += 1;
        sums.weight += weights_[index];
    });
    double squares = 0, weight = 0;
    for (const Sums& sums : bins) {
        const double difference = (sums.predicted - sums.recalled) / sums.count;
        squares += difference * difference * sums.weight;
        weight += sums.weight;
    }
    return {LogLoss(w), weight > 0 ? std::sqrt(squares / weight) : 0};
}

FsrsParameters FitParameters(const MemoryReviews& reviews) {
    FsrsParameters w = kDefaultFsrsParameters;
    nlopt_opt optimiser = nlopt_create(NLOPT_LN_BOBYQA, kFsrsParameterCount);
    nlopt_set_lower_bounds(optimiser, kFsrsLowerBounds.data());
    nlopt_set_upper_bounds(optimiser, kFsrsUpperBounds.data());
    nlopt_set_min_objective(optimiser, Objective, const_cast<MemoryReviews*>(&reviews));
    nlopt_set_ftol_rel(optimiser, 1e-6);
    nlopt_set_maxeval(optimiser, 4000);
    double loss = 0;
    // A failed run leaves w where it had got to, which is never worse than where it began.
    nlopt_optimize(optimiser, w.data(), &loss);
    nlopt_destroy(optimiser);
    return ClampedParameters(w);
}

}  // namespace lexo
