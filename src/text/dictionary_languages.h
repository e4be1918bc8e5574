#pragma once

#include <optional>
#include <string>
#include <string_view>

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

// The words as spoken: the first alternative of a names.txt line (two spaces separate them),
// cut after the last whole word within a short phrase.
std::string SpokenText(std::string_view word);

}  // namespace lexo
