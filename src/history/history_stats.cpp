#include "history/history_stats.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

namespace lexo {
namespace {

struct Tally {
    PlayStats stats;
    std::map<std::string, size_t, std::less<>> misses;
};

void AddGame(const HistoryGame& game, Tally& tally) {
    PlayStats& stats = tally.stats;
    stats.best = stats.games == 0 ? game.score : std::max(stats.best, game.score);
    ++stats.games;
    stats.latest = game.score;
    stats.shot += game.shot.size();
    stats.missed += game.missed.size();
    for (const MissedWord& missed : game.missed) ++tally.misses[missed.word];
}

std::vector<std::pair<std::string, size_t>> MostMissed(
    const std::map<std::string, size_t, std::less<>>& misses) {
    std::vector<std::pair<std::string, size_t>> words(misses.begin(), misses.end());
    const size_t shown = std::min(words.size(), kMostMissedShown);
    std::partial_sort(words.begin(), words.begin() + shown, words.end(),
                      [](const auto& a, const auto& b) {
                          return a.second != b.second ? a.second > b.second : a.first < b.first;
                      });
    words.resize(shown);
    return words;
}

}  // namespace

std::vector<PlayStats> SummariseHistory(const std::vector<HistoryGame>& games) {
    const std::vector<const HistoryGame*> played = InPlayOrder(games);

    std::map<std::pair<std::string, std::string>, Tally> tallies;
    for (const HistoryGame* game : played) {
        Tally& tally = tallies[{game->dictionary, game->mode}];
        AddGame(*game, tally);
    }
    std::vector<PlayStats> summary;
    for (auto& [key, tally] : tallies) {
        tally.stats.dictionary = key.first;
        tally.stats.mode = key.second;
        tally.stats.mostMissed = MostMissed(tally.misses);
        summary.push_back(std::move(tally.stats));
    }
    return summary;
}

std::vector<ReviewWord> MostMissedWords(const std::vector<HistoryGame>& games) {
    std::vector<ReviewWord> words;
    for (const WordHistory& word : WordHistories(games)) {
        const auto misses =
            std::count_if(word.reviews.begin(), word.reviews.end(),
                          [](const WordReview& r) { return r.rating == Rating::Again; });
        if (misses > 0)
            words.push_back({word.dictionary,
                             word.word,
                             word.translation,
                             1,
                             static_cast<int>(misses),
                             word.reviews.back().day,
                             {}});
    }
    const size_t shown = std::min(words.size(), kMostMissedShown);
    std::partial_sort(words.begin(), words.begin() + shown, words.end(),
                      [](const ReviewWord& a, const ReviewWord& b) {
                          return std::tie(b.misses, a.dictionary, a.word) <
                                 std::tie(a.misses, b.dictionary, b.word);
                      });
    words.resize(shown);
    return words;
}

}  // namespace lexo
