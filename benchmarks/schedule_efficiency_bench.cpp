// Simulated learners, each with a memory of their own, play a 300-word list for 180 days with
// the same budget of reviews a day, scheduled by the memory model (its default parameters, then
// parameters fitted to the learner's reviews as the game refits them: once there are enough, and
// again whenever they have grown by a fifth) and by the Leitner ladder the game used before. A
// word counts as known when its true chance of recall on the last day is at least 0.9; the
// figure is the reviews made per word known.
#include <cstdio>
#include <random>

#include "bench_report.h"
#include "history/memory_fit.h"
#include "memory_simulation.h"

namespace lexo::bench {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr size_t kLearners = 20;
constexpr size_t kWords = 300;
constexpr int kDays = 180;
constexpr size_t kBudget = 12;

// The ladder: a miss puts a word in box 1, due the next day; a hit moves it up a box, and box
// k >= 2 is due 2^(k-2) days after its last review. The most overdue first, then new words.
std::vector<size_t> LeitnerSchedule(const std::vector<WordHistory>& words, sys_days today,
                                    size_t budget) {
    std::vector<std::pair<sys_days, size_t>> due;
    std::vector<size_t> fresh;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i].reviews.empty()) {
            fresh.push_back(i);
            continue;
        }
        int box = 1;
        for (const WordReview& review : words[i].reviews)
            box = review.rating == Rating::Again ? 1 : box + 1;
        const sys_days last = words[i].reviews.back().day;
        const sys_days next = last + days(box == 1 ? 1 : 1 << (box - 2));
        if (next <= today) due.push_back({next, i});
    }
    std::stable_sort(due.begin(), due.end());
    std::vector<size_t> order;
    for (const auto& [next, i] : due) order.push_back(i);
    return WithinBudget(order, fresh, budget);
}

struct Totals {
    size_t reviews = 0;
    size_t known = 0;
    double PerWordKnown() const { return static_cast<double>(reviews) / known; }
};

void Add(Totals& totals, const Simulation& simulation) {
    totals.reviews += simulation.reviews;
    totals.known += simulation.known;
}

}  // namespace
}  // namespace lexo::bench

int main() {
    using namespace lexo;
    using namespace lexo::bench;
    Totals leitner, defaults, fitted;
    for (size_t learner = 0; learner < kLearners; ++learner) {
        std::mt19937 drawn(static_cast<unsigned>(learner) + 1);
        const FsrsParameters truth = LearnerParameters(drawn);
        // Each scheduler meets the same learner with the same chances.
        const auto play = [&](const Scheduler& scheduler) {
            std::mt19937 random(static_cast<unsigned>(learner) + 1000);
            return Simulate(truth, kWords, kDays, kBudget, scheduler, random);
        };
        Add(leitner, play(LeitnerSchedule));
        Add(defaults, play([](const auto& words, sys_days today, size_t budget) {
                return ModelSchedule(kDefaultFsrsParameters, words, today, budget);
            }));
        FsrsParameters own = kDefaultFsrsParameters;
        size_t fittedOn = 0;
        Add(fitted, play([&](const auto& words, sys_days today, size_t budget) {
                const MemoryReviews reviews(words);
                if (reviews.Count() >= kFewestFitReviews && reviews.Count() * 5 >= fittedOn * 6) {
                    fittedOn = reviews.Count();
                    own = FitParameters(reviews);
                }
                return ModelSchedule(own, words, today, budget);
            }));
    }
    PrintInformation("schedule-efficiency-default", defaults.PerWordKnown(), leitner.PerWordKnown(),
                     "reviews/word known");
    PrintFigure({"schedule-efficiency", fitted.PerWordKnown(), leitner.PerWordKnown(),
                 "reviews/word known", 0.75});
    std::printf(
        "bench schedule-efficiency-words: known on day %d of %zu: Leitner %zu, model "
        "%zu, fitted %zu (information)\n",
        kDays, kLearners * kWords, leitner.known, defaults.known, fitted.known);
    return 0;
}
