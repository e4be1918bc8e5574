#pragma once

#include <string>
#include <string_view>

// All game text is CP1251 bytes; these are the only conversions to and from the Unicode
// world (Qt widgets, UTF-8 sources, terminals).
namespace lexo {

std::string Cp1251ToUtf8(std::string_view cp1251);

// Characters that CP1251 cannot hold become '?'. Malformed UTF-8 bytes become '?' too.
std::string Utf8ToCp1251(std::string_view utf8);

// Lower-cases Latin A-Z and every CP1251 capital letter (Cyrillic, Ё and the other Slavic
// letters); all other bytes stay as they are.
char Cp1251ToLower(char c);
std::string Cp1251ToLower(std::string_view cp1251);

// "ё" and "е" in CP1251.
inline constexpr char kSmallYo = '\xB8';
inline constexpr char kSmallYe = '\xE5';

// The form in which answers and dictionary entries are compared: lower case, with "ё" read as
// "е", so that a word is hit as it is shown whether the player types capitals or the dots.
std::string Cp1251MatchForm(std::string_view cp1251);

}  // namespace lexo
