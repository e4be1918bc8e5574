#pragma once

#include <unicode/utf8.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Game text is UTF-8; these are the few things the game asks of it beyond bytes.
namespace lexo {

// The form in which answers and dictionary entries are compared: case folded ("ß" as "ss"),
// with diacritical marks removed ("é" as "e", "ё" as "е", "έ" as "ε", "ł" as "l"), so that a word
// is hit as it is shown whether the player types capitals or the marks. The Cyrillic "й" and "ў"
// are letters of their own and keep their breve.
std::string MatchForm(std::string_view utf8);

// Case folded only ("Straße" as "strasse", "Ёж" as "еж"), for telling whether two entries are
// the same word.
std::string CaseFolded(std::string_view utf8);

// Whether the text is plain ASCII, which needs no Unicode tables.
bool IsAscii(std::string_view text);

// The number of characters (code points) of UTF-8 text.
size_t CharacterCount(std::string_view utf8);

// The text's first `count` characters (all of it when it has no more).
std::string_view FirstCharacters(std::string_view utf8, size_t count);

// One character of UTF-8 text as the walk below meets it.
struct Utf8Character {
    int32_t code = 0;  // negative for a malformed sequence
    size_t offset = 0;
    size_t size = 0;  // its bytes
};

// Calls visit(Utf8Character) for each character from the byte `from` on, in order, until visit
// returns false; a malformed sequence is one character with a negative code, as long as its
// longest start that could still have been valid.
template <typename Visit>
void ForEachUtf8Character(std::string_view utf8, Visit&& visit, size_t from = 0) {
    const auto size = static_cast<int32_t>(utf8.size());
    for (auto at = static_cast<int32_t>(from); at < size;) {
        const int32_t start = at;
        UChar32 code;
        U8_NEXT(utf8.data(), at, size, code);
        const Utf8Character character{code, static_cast<size_t>(start),
                                      static_cast<size_t>(at - start)};
        if (!visit(character)) return;
    }
}

}  // namespace lexo
