#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "history/history_reader.h"

namespace lexo {

// Typed `typed` while `walking` walked, `times` times. Texts are UTF-8.
struct Confusion {
    std::string typed;    // as first typed
    std::string walking;  // the word on the field
    std::string dictionary;
    size_t times = 0;
};

// The learner's most frequent confusions, most frequent first, at most `most`. An answer that
// hit nothing is a confusion when it is the whole answer of another word the history has met:
// a word in "words" mode, one alternative of a translation in "translations" mode (compared as
// the game compares answers). Anything else is a slip of the fingers or a guess. It is paired
// with the oldest word then on the field, the one the game's own shot would have gone to first.
std::vector<Confusion> FrequentConfusions(const std::vector<HistoryGame>& games, size_t most);

}  // namespace lexo
