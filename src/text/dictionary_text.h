#pragma once

#include <string>
#include <string_view>

namespace lexo {

// How the bytes of one dictionary file (about.txt, names.txt, names2.txt) are read. Each file
// is decided on its own; the classic files are CP1251 and are read as they always were.
enum class DictionaryEncoding {
    Cp1251,
    // Valid UTF-8 with at least one character beyond ASCII.
    Utf8,
    // Starts with a UTF-8 byte-order mark; bytes that are not UTF-8 read as U+FFFD.
    Utf8WithBom,
};

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// `cut` says the bytes are the start of a longer file, so a character cut at their end does not
// make the text invalid.
DictionaryEncoding DetectDictionaryEncoding(std::string_view bytes, bool cut = false);

// The file's text as the game holds all text: UTF-8 without the byte-order mark. Line ends and
// NUL bytes come through unchanged, so a file splits into the same lines either way.
std::string DictionaryFileText(std::string bytes, bool cut = false);

// The text with every byte sequence that is not UTF-8 read as U+FFFD.
std::string Utf8WithInvalidReplaced(std::string_view text);

// Where text[from, end) stops being UTF-8 (a malformed or cut sequence), or `end`.
size_t FirstInvalidUtf8(std::string_view text, size_t from = 0);

}  // namespace lexo
