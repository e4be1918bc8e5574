#pragma once

#include <string>
#include <vector>

#include "records/game_record.h"

namespace lexo {

// A dictionary played from memory instead of a folder: the review of the words due, whose words
// the history counts for the dictionaries they came from. Texts are UTF-8.
struct MemoryDictionary {
    std::string name;                       // the game's dictionary in the history
    std::vector<std::string> words;         // as names.txt's lines
    std::vector<std::string> translations;  // as names2.txt's
    WordSources sources;
};

}  // namespace lexo
