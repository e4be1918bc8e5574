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

}  // namespace lexo
