#include "history/review_schedule.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <utility>

namespace lexo {
namespace {

using namespace std::chrono;

// Past this box a word is due only every 2^15 days (about 90 years): an upper box is never
// reached in practice, and the shift stays defined.
constexpr int kTopBox = 16;

// By dictionary, then by word; the order comes from the final sort.
using Words = std::unordered_map<std::string, ReviewWord>;
using WordsByDictionary = std::unordered_map<std::string, Words>;

void Play(const HistoryGame& game, WordsByDictionary& byDictionary) {
    Words& words = byDictionary[game.dictionary];
    // The shots come first: the words left on the field are what the game ended with.
    for (const std::string& shot : game.shot) {
        const auto found = words.find(shot);
        if (found == words.end()) continue;
        found->second.box = std::min(found->second.box + 1, kTopBox);
        found->second.lastDay = game.day;
    }
    for (const MissedWord& missed : game.missed) {
        ReviewWord& word = words[missed.word];
        word.translation = missed.translation;
        word.box = 1;
        ++word.misses;
        word.lastDay = game.day;
    }
}

}  // namespace

std::vector<ReviewWord> ScheduleReview(const std::vector<HistoryGame>& games, sys_days today,
                                       size_t limit) {
    WordsByDictionary byDictionary;
    for (const HistoryGame* game : InPlayOrder(games)) Play(*game, byDictionary);

    std::vector<ReviewWord> schedule;
    for (auto& [dictionary, words] : byDictionary) {
        for (auto& [text, word] : words) {
            word.dictionary = dictionary;
            word.word = text;
            word.dueDay = word.lastDay + days(1 << (word.box - 1));
            schedule.push_back(std::move(word));
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

std::vector<MasteredAfterGame> MasteredOverGames(const std::vector<HistoryGame>& games) {
    WordsByDictionary byDictionary;
    std::unordered_map<std::string, size_t> counted;
    std::vector<MasteredAfterGame> mastered;
    for (const HistoryGame* game : InPlayOrder(games)) {
        Play(*game, byDictionary);
        for (const auto& [dictionary, words] : byDictionary) {
            const auto count = static_cast<size_t>(
                std::count_if(words.begin(), words.end(),
                              [](const auto& entry) { return entry.second.box >= kMasteredBox; }));
            const auto [before, inserted] = counted.try_emplace(dictionary, count);
            if (dictionary != game->dictionary && before->second == count) continue;
            before->second = count;
            mastered.push_back({game, dictionary, count});
        }
    }
    return mastered;
}

}  // namespace lexo
