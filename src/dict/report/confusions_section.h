#pragma once

#include <string>
#include <vector>

#include "history/history_reader.h"

namespace lexo::dict {

// The progress page's table of the learner's ten most frequent confusions (FrequentConfusions),
// under a heading at `level`, in `language`; every text from the history escaped.
std::string ConfusionsSection(const std::vector<HistoryGame>& games, const std::string& language,
                              int level);

}  // namespace lexo::dict
