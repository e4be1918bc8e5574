#pragma once

#include <optional>
#include <string>
#include <string_view>

// The classic dictionaries, the engine's text entry and its fonts are CP1251; these are the
// conversions between it and the UTF-8 the game holds.
namespace lexo {

// The character of a CP1251 byte; 0 for the one byte CP1251 leaves unassigned (0x98).
char32_t Cp1251CodePoint(unsigned char byte);

// Every byte as its character, control bytes and NUL included; the one byte CP1251 leaves
// unassigned (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view cp1251);

// Characters that CP1251 cannot hold become '?'. Malformed UTF-8 bytes become '?' too.
std::string Utf8ToCp1251(std::string_view utf8);

// The text in CP1251 when CP1251 holds every character of it (and it is UTF-8); else nothing.
std::optional<std::string> ExactCp1251(std::string_view utf8);

// As Utf8ToCp1251, but a character CP1251 lacks takes its nearest form there: "ß" as "ss", a
// letter with marks CP1251 lacks as the letter without them; only what has none is '?'.
std::string Utf8ToNearestCp1251(std::string_view utf8);

// Lower-cases Latin A-Z and every CP1251 capital letter (Cyrillic, Ё and the other Slavic
// letters); all other bytes stay as they are.
char Cp1251ToLower(char c);
std::string Cp1251ToLower(std::string_view cp1251);

}  // namespace lexo
