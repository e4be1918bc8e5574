#include "history/review_schedule.h"

#include <algorithm>

namespace lexo {

std::vector<ReviewWord> DueWords(const std::vector<WordHistory>& words, const FsrsParameters& w,
                                 std::chrono::sys_days today, size_t limit) {
    std::vector<ReviewWord> due;
    for (const WordHistory& word : words) {
        if (word.translation.empty()) continue;
        const WordMemory memory = MemoryOn(w, word, today);
        if (memory.retrievability >= kDesiredRetention) continue;
        const auto misses =
            std::count_if(word.reviews.begin(), word.reviews.end(),
                          [](const WordReview& r) { return r.rating == Rating::Again; });
        due.push_back({word.dictionary, word.word, word.translation, memory.retrievability,
                       static_cast<int>(misses), memory.last, memory.due});
    }
    // Equal chances keep the order the words were first played in.
    std::stable_sort(due.begin(), due.end(), [](const ReviewWord& a, const ReviewWord& b) {
        return a.retrievability < b.retrievability;
    });
    if (due.size() > limit) due.resize(limit);
    return due;
}

std::vector<ReviewWord> ScheduleReview(const std::vector<HistoryGame>& games,
                                       std::chrono::sys_days today, size_t limit,
                                       const FsrsParameters& w) {
    return DueWords(WordHistories(games), w, today, limit);
}

}  // namespace lexo
