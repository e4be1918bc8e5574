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
        const auto dictionary = positions_.find(ShotDictionary(game, i));
        if (dictionary == positions_.end()) continue;
        const auto found = dictionary->second.find(game.shot[i]);
        if (found == dictionary->second.end()) continue;
        ReviewWord& word = words_[found->second];
        if (word.box + 1 == kMasteredBox) ++mastered_[word.dictionary];
        word.box = std::min(word.box + 1, kTopBox);
        word.lastDay = game.day;
        word.dueDay = DueDay(word);
        keys_[found->second].due = word.dueDay;
    }
    for (const MissedWord& missed : game.missed) {
        const std::string& dictionary =
            missed.dictionary.empty() ? game.dictionary : missed.dictionary;
        const auto [found, added] = positions_[dictionary].try_emplace(missed.word, words_.size());
        if (added) {
            words_.push_back({dictionary, missed.word, {}, 1, 0, {}, {}});
            keys_.emplace_back();
        }
        ReviewWord& word = words_[found->second];
        size_t& mastered = mastered_[dictionary];
        if (word.box >= kMasteredBox) --mastered;
        word.translation = missed.translation;
        word.box = 1;
        ++word.misses;
        word.lastDay = game.day;
        word.dueDay = DueDay(word);
        keys_[found->second] = {word.dueDay, word.misses};
    }
}

std::vector<ReviewWord> ReviewScheduler::Schedule(sys_days today, size_t limit,
                                                  bool dueOnly) const {
    std::vector<size_t> order;
    for (size_t i = 0; i < keys_.size(); ++i) {
        if (!dueOnly || keys_[i].due <= today) order.push_back(i);
    }
    const auto first = [&](size_t a, size_t b) {
        const Key& x = keys_[a];
        const Key& y = keys_[b];
        const bool xDue = x.due <= today;
        if (xDue != (y.due <= today)) return xDue;
        if (x.misses != y.misses) return x.misses > y.misses;
        return std::tie(x.due, a) < std::tie(y.due, b);
    };
    const size_t kept = std::min(limit, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<ptrdiff_t>(kept), order.end(),
                      first);
    std::vector<ReviewWord> schedule;
    schedule.reserve(kept);
    for (size_t i = 0; i < kept; ++i) schedule.push_back(words_[order[i]]);
    return schedule;
}

std::vector<ReviewWord> ScheduleReview(const std::vector<HistoryGame>& games, sys_days today,
                                       size_t limit) {
    ReviewScheduler scheduler;
    for (const HistoryGame* game : InPlayOrder(games)) scheduler.Play(*game);
    return scheduler.Schedule(today, limit);
}

std::vector<MasteredAfterGame> MasteredOverGames(const std::vector<HistoryGame>& games) {
    ReviewScheduler scheduler;
    std::map<std::string, size_t> counted;
    std::vector<MasteredAfterGame> mastered;
    for (const HistoryGame* game : InPlayOrder(games)) {
        scheduler.Play(*game);
        for (const auto& [dictionary, count] : scheduler.MasteredByDictionary()) {
            const auto [before, inserted] = counted.try_emplace(dictionary, count);
            if (dictionary != game->dictionary && before->second == count) continue;
            before->second = count;
            mastered.push_back({game, dictionary, count});
        }
    }
    return mastered;
}

}  // namespace lexo
