#include "history/memory_progress.h"

#include <algorithm>
#include <map>

namespace lexo {

using std::chrono::sys_days;

double KnownOn(const std::vector<WordHistory>& words, const FsrsParameters& w, sys_days day) {
    double known = 0;
    for (const WordHistory& word : words) known += MemoryOn(w, word, day).retrievability;
    return known;
}

std::vector<KnownAfterGame> KnownOverDays(const std::vector<HistoryGame>& games,
                                          const FsrsParameters& w) {
    const std::vector<const HistoryGame*> played = InPlayOrder(games);
    std::vector<KnownAfterGame> known;
    WordLog log;
    // Each word's state, walked again only when a game has added a review.
    std::vector<MemoryState> states;
    std::vector<size_t> reviewsWalked;
    for (size_t i = 0; i < played.size(); ++i) {
        log.Play(*played[i]);
        const sys_days day = ReviewDay(*played[i]);
        if (i + 1 < played.size() && ReviewDay(*played[i + 1]) == day) continue;
        const std::vector<WordHistory>& words = log.Words();
        states.resize(words.size());
        reviewsWalked.resize(words.size());
        std::map<std::string, double> perDictionary;
        for (size_t k = 0; k < words.size(); ++k) {
            if (reviewsWalked[k] != words[k].reviews.size()) {
                states[k] = MemoryAfter(w, words[k].reviews);
                reviewsWalked[k] = words[k].reviews.size();
            }
            const double elapsed = (day - words[k].reviews.back().day).count();
            perDictionary[words[k].dictionary] +=
                Retrievability(w, std::max(elapsed, 0.0), states[k].stability);
        }
        for (const auto& [dictionary, sum] : perDictionary)
            known.push_back({played[i], dictionary, sum});
    }
    return known;
}

Retention TrueRetention(const std::vector<WordHistory>& words) {
    Retention retention;
    for (const WordHistory& word : words) {
        for (size_t i = 1; i < word.reviews.size(); ++i) {
            if (ReviewGap(word.reviews, i) < 1) continue;
            ++retention.reviews;
            if (word.reviews[i].rating != Rating::Again) ++retention.recalled;
        }
    }
    return retention;
}

std::array<CalibrationBin, 10> Calibration(const std::vector<WordHistory>& words,
                                           const FsrsParameters& w) {
    std::array<CalibrationBin, 10> bins{};
    for (const WordHistory& word : words) {
        MemoryState state = FirstMemory(w, word.reviews.front().rating);
        for (size_t i = 1; i < word.reviews.size(); ++i) {
            const WordReview& review = word.reviews[i];
            const int gap = ReviewGap(word.reviews, i);
            if (gap >= 1) {
                const double r = Retrievability(w, gap, state.stability);
                CalibrationBin& bin = bins[std::min<size_t>(static_cast<size_t>(r * 10), 9)];
                ++bin.reviews;
                bin.predicted += r;
                if (review.rating != Rating::Again) ++bin.recalled;
            }
            state = NextMemory(w, state, gap, review.rating);
        }
    }
    return bins;
}

}  // namespace lexo
