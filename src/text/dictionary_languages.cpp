#include "text/dictionary_languages.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "text/alternatives.h"
#include "text/text_file.h"
#include "text/unicode_text.h"

namespace lexo {
namespace {

// Longer than any language tag a voice is named by ("en-gb-x-rp"), short enough for a line.
constexpr size_t kMaxTagLength = 35;
// A word, an article and an adjective or two; a whole sentence would outlast the next shot.
constexpr size_t kMaxSpokenCharacters = 32;
// One line of two tags; anything longer is no languages file.
constexpr size_t kMaxFileBytes = 256;

bool IsTagCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_';
}

// A tag as voices are named: lower case, "-" between subtags.
std::optional<std::string> NormalTag(std::string_view tag) {
    if (tag.empty() || tag.size() > kMaxTagLength) return std::nullopt;
    std::string normal;
    for (char c : tag) {
        if (!IsTagCharacter(c)) return std::nullopt;
        normal += c == '_' ? '-' : (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return normal;
}

}  // namespace

std::optional<DictionaryLanguages> ParseLanguages(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    text = text.substr(0, text.find_first_of("\r\n"));
    std::vector<std::string> tags;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find_first_of(" \t,", at), text.size());
        if (end > at) {
            const std::optional<std::string> tag = NormalTag(text.substr(at, end - at));
            if (!tag) return std::nullopt;
            tags.push_back(*tag);
        }
        at = end + 1;
    }
    if (tags.size() != 2) return std::nullopt;
    return DictionaryLanguages{tags[0], tags[1]};
}

std::optional<DictionaryLanguages> ReadLanguages(const std::string& path) {
    try {
        return ParseLanguages(ReadBoundedFile(path, kMaxFileBytes));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string LanguagesLine(const DictionaryLanguages& languages) {
    return languages.words + " " + languages.translations;
}

std::string SpokenText(std::string_view word) {
    word = FirstAlternative(word);
    if (CharacterCount(word) <= kMaxSpokenCharacters) return std::string(word);
    const std::string_view start = FirstCharacters(word, kMaxSpokenCharacters);
    const size_t lastSpace = start.rfind(' ');
    return std::string(
        lastSpace == std::string_view::npos || lastSpace == 0 ? start : start.substr(0, lastSpace));
}

}  // namespace lexo
