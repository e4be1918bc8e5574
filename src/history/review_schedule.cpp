#include "history/review_schedule.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace lexo {
namespace {

using namespace std::chrono;

// Past this box a word is due only every 2^14 days (about 45 years): an upper box is never
// reached in practice, and the shift stays defined.
constexpr int kTopBox = 16;

sys_days DueDay(const ReviewWord& word) {
    return word.box == 1 ? word.lastDay : word.lastDay + days(1 << (word.box - 2));
}

}  // namespace

void ReviewScheduler::Play(const HistoryGame& game) {
    // The shots come first: the words left on the field are what the game ended with.
    for (size_t i = 0; i < game.shot.size(); ++i) {
        Words& words = byDictionary_[ShotDictionary(game, i)];
        const auto found = words.find(game.shot[i]);
        if (found == words.end()) continue;
        found->second.box = std::min(found->second.box + 1, kTopBox);
        found->second.lastDay = game.day;
    }
    for (const MissedWord& missed : game.missed) {
        Words& words =
            byDictionary_[missed.dictionary.empty() ? game.dictionary : missed.dictionary];
        ReviewWord& word = words[missed.word];
        word.translation = missed.translation;
        word.box = 1;
        ++word.misses;
        word.lastDay = game.day;
    }
}

std::vector<ReviewWord> ReviewScheduler::Schedule(sys_days today, size_t limit,
                                                  bool dueOnly) const {
    std::vector<ReviewWord> schedule;
    for (const auto& [dictionary, words] : byDictionary_) {
        for (const auto& [text, scheduled] : words) {
            const sys_days due = DueDay(scheduled);
            if (dueOnly && due > today) continue;
            ReviewWord& word = schedule.emplace_back(scheduled);
            word.dictionary = dictionary;
            word.word = text;
            word.dueDay = due;
        }
    }
    std::sort(schedule.begin(), schedule.end(), [&](const ReviewWord& a, const ReviewWord& b) {
        const bool aDue = IsDue(a, today);
        if (aDue != IsDue(b, today)) return aDue;
        if (a.misses != b.misses) return a.misses > b.misses;
        return std::tie(a.dueDay, a.dictionary, a.word) < std::tie(b.dueDay, b.dictionary, b.word);
    });
    if (schedule.size() > limit) schedule.resize(limit);
    return schedule;
}

std::vector<ReviewWord> ScheduleReview(const std::vector<HistoryGame>& games, sys_days today,
                                       size_t limit) {
    ReviewScheduler scheduler;
    for (const HistoryGame* game : InPlayOrder(games)) scheduler.Play(*game);
    return scheduler.Schedule(today, limit);
}

}  // namespace lexo
