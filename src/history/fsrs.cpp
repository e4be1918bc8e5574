#include "history/fsrs.h"

#include <algorithm>
#include <cmath>

namespace lexo {
namespace {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
constexpr double kMinDifficulty = 1;
constexpr double kMaxDifficulty = 10;
constexpr double kMaxInitialStability = 100;

double Grade(Rating rating) { return static_cast<double>(rating); }

// F in R(t, S) = (1 + F·t/S)^(−w20): chosen so that R(S, S) = 0.9.
double CurveFactor(const FsrsParameters& w) { return std::pow(0.9, -1.0 / w[20]) - 1.0; }

double InitialStability(const FsrsParameters& w, Rating rating) {
    return w[static_cast<size_t>(rating) - 1];
}

double InitialDifficulty(const FsrsParameters& w, double grade) {
    return w[4] - std::exp(w[5] * (grade - 1)) + 1;
}

// A grade moves difficulty less the nearer it is to 10, then it reverts a little toward the
// difficulty of a first Easy.
double NextDifficulty(const FsrsParameters& w, double difficulty, double grade) {
    const double delta = -w[6] * (grade - 3);
    const double damped = difficulty + (10 - difficulty) * delta / 9;
    const double reverted = w[7] * (InitialDifficulty(w, 4) - damped) + damped;
    return std::clamp(reverted, kMinDifficulty, kMaxDifficulty);
}

double StabilityAfterRecall(const FsrsParameters& w, double s, double d, double r, double grade) {
    const double hardPenalty = grade == 2 ? w[15] : 1;
    const double easyBonus = grade == 4 ? w[16] : 1;
    return s * (std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) * (std::exp((1 - r) * w[10]) - 1) *
                    hardPenalty * easyBonus +
                1);
}

// Never above what a same-day Again would leave.
double StabilityAfterLapse(const FsrsParameters& w, double s, double d, double r) {
    const double next =
        w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp((1 - r) * w[14]);
    return std::min(next, s / std::exp(w[17] * w[18]));
}

// A review on the same day; Hard, Good or Easy never lowers stability.
double SameDayStability(const FsrsParameters& w, double s, double grade) {
    const double growth = std::exp(w[17] * (grade - 3 + w[18])) * std::pow(s, -w[19]);
    return s * (grade >= 2 ? std::max(growth, 1.0) : growth);
}

}  // namespace

const FsrsParameters kFsrsLowerBounds = {kMinStability,
                                         kMinStability,
                                         kMinStability,
                                         kMinStability,
                                         kMinDifficulty,
                                         0.001,
                                         0.001,
                                         0.001,
                                         0,
                                         0,
                                         0.001,
                                         0.001,
                                         0.001,
                                         0.001,
                                         0,
                                         0,
                                         1,
                                         0,
                                         0,
                                         0,
                                         0.1};
const FsrsParameters kFsrsUpperBounds = {kMaxInitialStability,
                                         kMaxInitialStability,
                                         kMaxInitialStability,
                                         kMaxInitialStability,
                                         kMaxDifficulty,
                                         4,
                                         4,
                                         0.75,
                                         4.5,
                                         0.8,
                                         3.5,
                                         5,
                                         0.25,
                                         0.9,
                                         4,
                                         1,
                                         6,
                                         2,
                                         2,
                                         0.8,
                                         0.8};

FsrsParameters ClampedParameters(const FsrsParameters& w) {
    FsrsParameters clamped;
    for (size_t i = 0; i < w.size(); ++i)
        clamped[i] = std::clamp(w[i], kFsrsLowerBounds[i], kFsrsUpperBounds[i]);
    return clamped;
}

double Retrievability(const FsrsParameters& w, double days, double stability) {
    return std::pow(1 + CurveFactor(w) * days / stability, -w[20]);
}

double DaysUntilRetention(const FsrsParameters& w, double stability, double retention) {
    return stability / CurveFactor(w) * (std::pow(retention, -1.0 / w[20]) - 1);
}

MemoryState FirstMemory(const FsrsParameters& w, Rating rating) {
    return {std::clamp(InitialStability(w, rating), kMinStability, kMaxStability),
            std::clamp(InitialDifficulty(w, Grade(rating)), kMinDifficulty, kMaxDifficulty)};
}

MemoryState NextMemory(const FsrsParameters& w, const MemoryState& state, double days,
                       Rating rating) {
    const double grade = Grade(rating);
    const double s = std::clamp(state.stability, kMinStability, kMaxStability);
    const double d = std::clamp(state.difficulty, kMinDifficulty, kMaxDifficulty);
    double stability = 0;
    if (days == 0) {
        stability = SameDayStability(w, s, grade);
    } else {
        const double r = Retrievability(w, days, s);
        stability = rating == Rating::Again ? StabilityAfterLapse(w, s, d, r)
                                            : StabilityAfterRecall(w, s, d, r, grade);
    }
    return {std::clamp(stability, kMinStability, kMaxStability), NextDifficulty(w, d, grade)};
}

}  // namespace lexo
