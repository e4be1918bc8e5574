#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "history/history_follower.h"
#include "history/memory_states.h"
#include "records/memory_dictionary.h"

namespace lexo {

// The most words the game's review holds.
inline constexpr size_t kReviewWordsOffered = 60;

// The review the game offers in its dictionary dialog: the words the player is most likely to
// have forgotten by now, by the memory model with the player's own parameters where a fit has
// kept them: the same dictionary as lexodrome-dict review writes, and held in memory, so that
// nothing half-written is ever listed and no folder of the player's is taken for it. It follows the
// history as it grows: each look reads only the games added since the last.
class ReviewOffer {
  public:
    // historyPath: the history file; nothing when the history is off, and no review is offered.
    explicit ReviewOffer(std::optional<std::string> historyPath);

    // The words whose chance of recall on `today` is below the desired retention, the lowest
    // first, at most kReviewWordsOffered; nothing when there is none.
    std::shared_ptr<const MemoryDictionary> DueNow(std::chrono::sys_days today);

  private:
    void CatchUp();

    std::optional<HistoryFollower> follower_;
    std::string parametersPath_;
    WordLog log_;
    std::chrono::sys_seconds latest_{};  // the last game played into the log
};

}  // namespace lexo
