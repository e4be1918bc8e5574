#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/cp1251_code_points.h"

// The classic dictionaries, the engine's text entry and its fonts are CP1251; these are the
// conversions between it and the UTF-8 the game holds.
namespace lexo {

// Every byte as its character, control bytes and NUL included; the one byte CP1251 leaves
// unassigned (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

// Characters that CP1251 cannot hold become '?'. Malformed UTF-8 bytes become '?' too.
std::string Utf8ToCp1251(std::string_view utf8);

// The text in CP1251 when CP1251 holds every character of it (and it is UTF-8); else nothing.
std::optional<std::string> ExactCp1251(std::string_view utf8);

// German spelling without umlauts (ä as ae, ß as ss), which a plain removal of the dots would
// get wrong; nothing for any other character. Both nearest-letter rules below start with it.
const char* GermanSpelling(char32_t c);

// How a word is drawn by an engine that has only its CP1251 entry: a character CP1251 lacks
// takes its nearest form there, German letters as GermanSpelling, other letters with marks
// without them; only what has none is '?'. The game's own rule, with ICU's common library alone:
// the import's Cp1251Folder (text/cp1251_fold.h) folds more (ICU's Latin-ASCII transliterator),
// and reports what it changed.
std::string Utf8ToDrawnCp1251(std::string_view utf8);

// Lower-cases Latin A-Z and every CP1251 capital letter (Cyrillic, Ё and the other Slavic
// letters); all other bytes stay as they are.
char Cp1251ToLower(char c);
std::string Cp1251ToLower(std::string_view cp1251);

}  // namespace lexo
