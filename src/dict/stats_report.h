#pragma once

#include <string>
#include <vector>

#include "history/history_stats.h"

namespace lexo::dict {

// The progress as a text table, one row per dictionary and mode, UTF-8 with columns lined up.
std::string StatsTable(const std::vector<PlayStats>& stats);

// A learner's games, under the name the page gives them.
struct LearnerHistory {
    std::string name;
    std::vector<HistoryGame> games;
};

// One self-contained HTML page (no script, no outside resource) in `language` (a code of
// PageString): for each learner the table above, the score of every game over the days played,
// the words mastered in each dictionary over the days, and the ten most-missed words with their
// translations, the charts in inline SVG. Named learners make a class page, with a row for
// each learner before their parts; one learner without a name, the player's own page. Every text
// from the history is escaped. `source` names the history files on the page.
std::string StatsPage(const std::vector<LearnerHistory>& learners, const std::string& source,
                      const std::string& language);

}  // namespace lexo::dict
