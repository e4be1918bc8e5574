#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/dictionary_languages.h"

namespace lexo {

// A dictionary folder as the dialog lists it: its name and what its languages.txt says.
struct ListedDictionary {
    std::string name;
    std::optional<DictionaryLanguages> languages;
};

// The dictionaries in the order the dialog lists them for a player who reads `language` ("de"):
// first those whose translations are in that language, then the others. A folder that names
// no languages is a classic one, written for Russian speakers. Within each group the names
// sort case-insensitively by Unicode case folding, "ё" with "е" as in a Russian dictionary,
// and names equal under those rules by their bytes.
std::vector<ListedDictionary> PlayerOrder(std::vector<ListedDictionary> dictionaries,
                                          std::string_view language);

}  // namespace lexo
