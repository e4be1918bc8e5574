// The fit of the memory model to 20,000 reviews of a simulated learner, against a single pass
// of the log loss it minimises.
#include <cstdio>
#include <random>

#include "bench_report.h"
#include "history/memory_fit.h"
#include "memory_simulation.h"

namespace lexo::bench {
namespace {

constexpr size_t kReviews = 20'000;
constexpr size_t kRepetitions = 3;

// A year of a learner's reviews, the first kReviews that count for a fit.
std::vector<WordHistory> LearnerYear() {
    std::mt19937 random(11);
    const FsrsParameters learner = LearnerParameters(random);
    const auto schedule = [](const std::vector<WordHistory>& words, std::chrono::sys_days today,
                             size_t budget) {
        return ModelSchedule(kDefaultFsrsParameters, words, today, budget);
    };
    Simulation year = Simulate(learner, 3000, 365, 80, schedule, random);
    // Words are dropped from the end until at most kReviews count.
    while (MemoryReviews(year.words).Count() > kReviews) year.words.pop_back();
    return year.words;
}

}  // namespace
}  // namespace lexo::bench

int main() {
    using namespace lexo;
    using namespace lexo::bench;
    const std::vector<WordHistory> words = LearnerYear();
    const MemoryReviews reviews(words);
    FsrsParameters fitted{};
    const double fit = MedianSeconds(kRepetitions, [&] { fitted = FitParameters(reviews); });
    const double pass =
        MedianSeconds(kRepetitions, [&] { KeepAlive(&(fitted[0] = reviews.LogLoss(fitted))); });
    const Prediction before = reviews.Evaluate(kDefaultFsrsParameters);
    const Prediction after = reviews.Evaluate(fitted);
    std::printf(
        "bench memory-fit: %.3g s fitting %zu reviews vs floor %.3g ms (one pass of the "
        "log loss) (target <= 2 s)\n",
        fit, reviews.Count(), pass * 1e3);
    std::printf(
        "bench memory-fit-gain: log loss %.4f -> %.4f, RMSE (bins) %.4f -> %.4f "
        "(information)\n",
        before.logLoss, after.logLoss, before.rmseBins, after.rmseBins);
    return 0;
}
