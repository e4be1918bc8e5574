#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "font_dft.h"

namespace lexo::dict {

// What `check` measures words against: the game's own word font, and the room a word has on
// the field. A monster that walks in from the right edge reaches the player with its left edge
// (where its word starts) at the right edge of the player's box; a word wider than the field
// right of that point is cut off by the field's edge for as long as its monster lives.
struct GameMetrics {
    DftFont wordFont;
    int32_t wordRoom = 0;
};

// Reads data/font.dft of a game folder. Nothing, with `problem` saying why, when it is missing
// or malformed.
std::optional<GameMetrics> LoadGameMetrics(const std::filesystem::path& gameDir,
                                           std::string& problem);

// How wide a CP1251 word is drawn with the font: from the leftmost to the rightmost pixel any
// of its glyphs covers.
int32_t DrawnWidth(const DftFont& font, std::string_view cp1251);

}  // namespace lexo::dict
