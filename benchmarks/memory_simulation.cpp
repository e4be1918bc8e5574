#include "memory_simulation.h"

#include <algorithm>
#include <cmath>

namespace lexo::bench {

using std::chrono::days;
using std::chrono::sys_days;

FsrsParameters LearnerParameters(std::mt19937& random) {
    std::normal_distribution<double> spread(0, 0.35);
    FsrsParameters w = kDefaultFsrsParameters;
    for (double& value : w) value *= std::exp(spread(random));
    return ClampedParameters(w);
}

Simulation Simulate(const FsrsParameters& learner, size_t wordCount, int dayCount, size_t budget,
                    const Scheduler& scheduler, std::mt19937& random) {
    std::uniform_real_distribution<double> chance(0, 1);
    Simulation simulation;
    simulation.words.resize(wordCount);
    std::vector<MemoryState> truth(wordCount);
    const sys_days first{days(20000)};
    for (int day = 0; day < dayCount; ++day) {
        const sys_days today = first + days(day);
        for (const size_t i : scheduler(simulation.words, today, budget)) {
            WordHistory& word = simulation.words[i];
            Rating rating = Rating::Good;
            if (word.reviews.empty()) {
                rating = chance(random) < 0.7 ? Rating::Good : Rating::Again;
                truth[i] = FirstMemory(learner, rating);
            } else {
                const double gap = (today - word.reviews.back().day).count();
                const double r = Retrievability(learner, gap, truth[i].stability);
                rating = chance(random) < r ? Rating::Good : Rating::Again;
                truth[i] = NextMemory(learner, truth[i], gap, rating);
            }
            word.reviews.push_back({rating, today});
            ++simulation.reviews;
        }
    }
    const sys_days last = first + days(dayCount - 1);
    for (size_t i = 0; i < wordCount; ++i) {
        const auto& reviews = simulation.words[i].reviews;
        if (!reviews.empty() && Retrievability(learner, (last - reviews.back().day).count(),
                                               truth[i].stability) >= kDesiredRetention)
            ++simulation.known;
    }
    return simulation;
}

std::vector<size_t> ModelSchedule(const FsrsParameters& w, const std::vector<WordHistory>& words,
                                  sys_days today, size_t budget) {
    std::vector<std::pair<double, size_t>> due;
    std::vector<size_t> fresh;
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i].reviews.empty()) {
            fresh.push_back(i);
            continue;
        }
        const double r = MemoryOn(w, words[i], today).retrievability;
        if (r < kDesiredRetention) due.push_back({r, i});
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<size_t> order;
    for (const auto& [r, i] : due) order.push_back(i);
    return WithinBudget(order, fresh, budget);
}

std::vector<size_t> WithinBudget(const std::vector<size_t>& due, const std::vector<size_t>& fresh,
                                 size_t budget) {
    std::vector<size_t> chosen;
    for (const std::vector<size_t>* words : {&due, &fresh}) {
        for (const size_t i : *words) {
            if (chosen.size() == budget) return chosen;
            chosen.push_back(i);
        }
    }
    return chosen;
}

}  // namespace lexo::bench
