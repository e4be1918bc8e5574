#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "history/fsrs.h"
#include "history/history_stats.h"

namespace lexo::dict {

// The progress as a text table, one row per dictionary and mode, UTF-8 with columns lined up.
std::string StatsTable(const std::vector<PlayStats>& stats);

// A learner's games, under the name the page gives them.
struct LearnerHistory {
    std::string name;
    std::vector<HistoryGame> games;
    FsrsParameters parameters = kDefaultFsrsParameters;  // of the learner's memory model
};

// The days the page speaks of: what is known on `today`; on a class page, with `forgottenBy`,
// the words of the class most likely forgotten by that day.
struct PageDays {
    std::chrono::sys_days today;
    std::optional<std::chrono::sys_days> forgottenBy;
};

// One self-contained HTML page (no script, no outside resource) in `language` (a code of
// PageString): for each learner the table above, the score of every game over the days played,
// the words known in each dictionary over the days (the sum of the chances of recall the memory
// model gives the words played), the true retention and the model's calibration, and the ten
// most-missed words with their translations, the charts in inline SVG. Named learners make a class
// page, with a row for each learner before their parts; one learner without a name, the player's
// own page. Every text from the history is escaped. `source` names the history files on the page.
// A learner's part ends with their most frequent confusions (confusions_section.h).
std::string StatsPage(const std::vector<LearnerHistory>& learners, const std::string& source,
                      const std::string& language, const PageDays& days);

}  // namespace lexo::dict
