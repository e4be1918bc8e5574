#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexo {

// The optional fourth file of a dictionary folder: the words' language and the translations'
// language as two tags on one line, "de ru". Without it the words are not spoken.
inline constexpr const char* kLanguagesFile = "languages.txt";

struct DictionaryLanguages {
    std::string words;         // "de", "en-us": lower case, "-" between subtags
    std::string translations;  // likewise
};

// The two tags of the file's first line, separated by blanks (or a comma); nothing when the
// line does not hold exactly two tags of letters, digits and "-" or "_".
std::optional<DictionaryLanguages> ParseLanguages(std::string_view text);

// The languages of the file at `path`; nothing when it is missing, unreadable, not a regular
// file or malformed. The file is optional, so none of that is an error.
std::optional<DictionaryLanguages> ReadLanguages(const std::string& path);

// The file's line as import writes it: "de ru".
std::string LanguagesLine(const DictionaryLanguages& languages);

// A description in the player's language beside about.txt, the same in every other way:
// "about.de.txt". `language` is a tag as ParseLanguages gives it.
std::string AboutFileName(std::string_view language);

// The language of an AboutFileName ("de" of "about.de.txt"); nothing for any other name,
// about.txt and a tag not written as ParseLanguages gives it ("about.DE.txt") included.
std::optional<std::string> AboutFileLanguage(std::string_view name);

// The languages of the AboutFileName files in the folder that are regular files (or links to
// them), sorted; none when the folder cannot be read.
std::vector<std::string> AboutLanguages(const std::string& folderPath);

// The words as spoken: the first alternative of a names.txt line (two spaces separate them),
// cut after the last whole word within a short phrase.
std::string SpokenText(std::string_view word);

}  // namespace lexo
