#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "text/string_list.h"

namespace lexo {

// The words and translations of one dictionary folder in UTF-8, split into lines the way the
// game splits them. Everything the dictionary tool's own check covers is left to it; these are
// the rules the shipped dictionaries keep beyond that.
struct DictionaryFiles {
    std::string folder;
    std::string namesText;
    std::string names2Text;
    StringList names;
    StringList names2;
    // The translations' language tag from languages.txt, empty without one.
    std::string translationLanguage;
};

DictionaryFiles MakeDictionaryFiles(std::string folder, std::string names, std::string names2,
                                    std::string translationLanguage = "");
DictionaryFiles ReadDictionaryFiles(const std::filesystem::path& folder);

// The folders directly under gameDir that hold about.txt, names.txt and names2.txt as regular
// files, sorted by name.
std::vector<std::filesystem::path> FindDictionaryFolders(const std::filesystem::path& gameDir);

// Each check gives one message per fault, naming the folder, the file and the line (counted
// from 1), with the line's text. No message means the dictionary passed.
std::vector<std::string> CheckWordScripts(const DictionaryFiles& dictionary);
std::vector<std::string> CheckTranslations(const DictionaryFiles& dictionary);

// Alternatives are separated by two spaces; a line without them is one alternative.
size_t CountAlternatives(std::string_view translation);

}  // namespace lexo
