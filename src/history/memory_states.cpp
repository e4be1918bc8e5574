#include "history/memory_states.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <unordered_map>

#include "history/graded_words.h"

namespace lexo {

using namespace std::chrono;

namespace {

// Far beyond any stability the model allows, so that the due day stays a valid date.
constexpr double kLongestInterval = 36500;

}  // namespace

sys_days ReviewDay(const HistoryGame& game) {
    return floor<days>(game.when + game.offset - hours(4));
}

sys_days ReviewToday() {
    const std::time_t now = std::time(nullptr) - 4 * 3600;
    std::tm local{};
    localtime_r(&now, &local);
    return sys_days(year(local.tm_year + 1900) / month(static_cast<unsigned>(local.tm_mon + 1)) /
                    day(static_cast<unsigned>(local.tm_mday)));
}

void WordLog::Play(const HistoryGame& game) {
    const sys_days day = ReviewDay(game);
    // Where this game's review of each word is, so that a repeat keeps the worse grade.
    std::unordered_map<size_t, size_t> reviewedHere;
    for (const GradedWord& graded : GradedWords(game)) {
        const auto [at, added] = positions_[graded.dictionary].try_emplace(graded.word, 0);
        if (added) {
            at->second = words_.size();
            words_.push_back({graded.dictionary, graded.word, {}, {}});
        }
        WordHistory& word = words_[at->second];
        if (!graded.translation.empty()) word.translation = graded.translation;
        const auto [review, first] = reviewedHere.try_emplace(at->second, word.reviews.size());
        if (first) {
            word.reviews.push_back({graded.rating, day});
        } else {
            Rating& rating = word.reviews[review->second].rating;
            rating = std::min(rating, graded.rating);
        }
    }
}

std::vector<WordHistory> WordHistories(const std::vector<HistoryGame>& games) {
    WordLog log;
    for (const HistoryGame* game : InPlayOrder(games)) log.Play(*game);
    return log.Words();
}

int ReviewGap(const std::vector<WordReview>& reviews, size_t i) {
    if (i == 0) return 0;
    return std::max(static_cast<int>((reviews[i].day - reviews[i - 1].day).count()), 0);
}

MemoryState MemoryAfter(const FsrsParameters& w, const std::vector<WordReview>& reviews) {
    MemoryState state = FirstMemory(w, reviews.front().rating);
    for (size_t i = 1; i < reviews.size(); ++i) {
        state = NextMemory(w, state, ReviewGap(reviews, i), reviews[i].rating);
    }
    return state;
}

WordMemory MemoryOn(const FsrsParameters& w, const WordHistory& word, sys_days day) {
    WordMemory memory;
    memory.state = MemoryAfter(w, word.reviews);
    memory.last = word.reviews.back().day;
    const double elapsed = std::max<double>((day - memory.last).count(), 0);
    memory.retrievability = Retrievability(w, elapsed, memory.state.stability);
    const double interval = DaysUntilRetention(w, memory.state.stability, kDesiredRetention);
    memory.due = memory.last +
                 days(static_cast<int>(std::clamp(std::ceil(interval), 1.0, kLongestInterval)));
    return memory;
}

}  // namespace lexo
