#pragma once

#include <cstddef>
#include <string_view>

namespace lexo {

// The dialog shows a dictionary's description in a 177 x 121 px box with word wrap and no
// scroll bar, in an 11 px sans font. Without that font's layout here, the box is taken as 24
// characters a row (169 px of text width at about 7 px a character, the widths of the letters
// people write most) and 8 rows (13 px each).
inline constexpr size_t kDescriptionColumns = 24;
inline constexpr size_t kDescriptionRows = 8;

// Rows of the description box a line of about.txt takes, wrapped at spaces; a word longer than
// a row is cut.
size_t DescriptionRows(std::string_view utf8);

}  // namespace lexo
