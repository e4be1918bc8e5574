#include "dict/review_offer.h"

#include "dict/review_dictionary.h"
#include "history/memory_parameters.h"
#include "history/review_schedule.h"

namespace lexo::dict {

ReviewOffer::ReviewOffer(std::optional<std::string> historyPath) {
    if (!historyPath) return;
    parametersPath_ = MemoryParametersPath(*historyPath);
    follower_.emplace(std::move(*historyPath));
}

// Plays the new games into the log. Games must go in in the order they were played: when a
// new one is older than one played already (a clock set back), the whole history is read again.
void ReviewOffer::CatchUp() {
    HistoryFollower::News news = follower_->ReadNew();
    std::vector<const HistoryGame*> played = InPlayOrder(news.games);
    if (!news.afresh && !played.empty() && played.front()->when < latest_) {
        follower_->Restart();
        news = follower_->ReadNew();
        news.afresh = true;
        played = InPlayOrder(news.games);
    }
    if (news.afresh) {
        log_ = WordLog();
        latest_ = {};
    }
    for (const HistoryGame* game : played) {
        log_.Play(*game);
        latest_ = game->when;
    }
}

std::shared_ptr<const MemoryDictionary> ReviewOffer::DueNow(std::chrono::sys_days today) {
    if (!follower_) return nullptr;
    CatchUp();
    // Read at each look: a fit may have kept new ones since.
    const std::optional<FittedParameters> fitted = ReadFittedParameters(parametersPath_);
    const std::vector<ReviewWord> due = DueWords(
        log_.Words(), fitted ? fitted->w : kDefaultFsrsParameters, today, kReviewWordsOffered);
    ReviewLines review = ReviewDictionaryUtf8(due);
    if (review.lines.names.empty()) return nullptr;
    auto memory = std::make_shared<MemoryDictionary>();
    memory->name = kReviewName;
    for (size_t i = 0; i < review.lines.names.size(); ++i) {
        memory->sources[review.lines.names[i]] = std::move(review.sources[i]);
    }
    memory->words = std::move(review.lines.names);
    memory->translations = std::move(review.lines.names2);
    return memory;
}

}  // namespace lexo::dict
