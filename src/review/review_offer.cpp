#include "review/review_offer.h"

#include "history/memory_parameters.h"
#include "review/review_dictionary.h"

namespace lexo {

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
    MemoryDictionary review = ReviewDictionary(due);
    if (review.words.empty()) return nullptr;
    review.name = kReviewName;
    return std::make_shared<const MemoryDictionary>(std::move(review));
}

}  // namespace lexo
