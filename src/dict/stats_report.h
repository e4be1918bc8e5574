#pragma once

#include <string>
#include <vector>

#include "history/history_stats.h"

namespace lexo::dict {

// The progress as a text table, one row per dictionary and mode, UTF-8 with columns lined up.
std::string StatsTable(const std::vector<PlayStats>& stats);

// The same table on one self-contained HTML page (no outside resource), with a chart of the
// score over the games for each dictionary drawn in inline SVG. Every text from the history is
// escaped. `source` names the history file on the page.
std::string StatsPage(const std::vector<PlayStats>& stats, const std::string& source);

}  // namespace lexo::dict
