#pragma once

#include <cstdint>
#include <expected>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "dft/font_dft.h"
#include "dft/glyph_map.h"

namespace lexo::dict {

// What `check` measures words against: the game's own word font, and the room a word has on
// the field. A monster that walks in from the right edge reaches the player with its left edge
// (where its word starts) at the right edge of the player's box; a word wider than the field
// right of that point is cut off by the field's edge for as long as its monster lives.
struct GameMetrics {
    DftFont wordFont;
    GlyphMap wordGlyphs{wordFont};
    int32_t wordRoom = 0;
};

// Reads data/font.dft of a game folder; why not when it is missing or malformed.
std::expected<GameMetrics, std::string> LoadGameMetrics(const std::filesystem::path& gameDir);

// How wide a word is drawn with the word font: from the leftmost to the rightmost pixel any of
// its glyphs covers, a character without a glyph as the engine draws it.
int32_t DrawnWidth(const GameMetrics& metrics, std::string_view word,
                   TextEncoding encoding = TextEncoding::Cp1251);

// The column (from 1, in characters) of the first character of a word that the word font has
// no glyph for, a malformed UTF-8 sequence included; 0 when it has every one.
size_t FirstWithoutGlyph(const GameMetrics& metrics, std::string_view word,
                         TextEncoding encoding = TextEncoding::Cp1251);

}  // namespace lexo::dict
