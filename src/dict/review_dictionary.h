#pragma once

#include <vector>

#include "dict/dictionary_build.h"
#include "history/review_schedule.h"

namespace lexo::dict {

// The dictionary folder's lines for the scheduled words, in their order, CP1251. A word that
// two dictionaries share (the same after lowering) is one line with the translations of both;
// blank words are left out. about.txt tells how many words and from which dictionaries.
DictionaryLines ReviewDictionary(const std::vector<ReviewWord>& words);

}  // namespace lexo::dict
