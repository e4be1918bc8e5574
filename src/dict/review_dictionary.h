#pragma once

#include <vector>

#include "dict/write/dictionary_build.h"
#include "game_types/game_record.h"
#include "history/review_schedule.h"

namespace lexo::dict {

// The dictionary folder's lines for the scheduled words, in their order, CP1251. A word that
// two dictionaries share (the same after lowering) is one line with the translations of both;
// blank words are left out. about.txt tells how many words and from which dictionaries.
DictionaryLines ReviewDictionary(const std::vector<ReviewWord>& words);

// The same lines in UTF-8, with the words of the history each names.txt line stands for.
struct ReviewLines {
    DictionaryLines lines;
    std::vector<std::vector<WordSource>> sources;  // beside lines.names
};
ReviewLines ReviewDictionaryUtf8(const std::vector<ReviewWord>& words);

}  // namespace lexo::dict
