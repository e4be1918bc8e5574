#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dft/font_dft.h"
#include "glyph_raster.h"

namespace lexo {

struct FontLayout {
    FontMetrics metrics;
    int padding = 0;  // room around every glyph for its outline, in pixels
    bool hasOutline = false;
    uint32_t outlineColour = 0;  // 0x00BBGGRR
};

// One character of a font and its rendered glyph.
struct CharacterBitmap {
    char32_t code = 0;
    GlyphBitmap glyph;
};

// Packs the glyphs (in ascending code point order) into the coverage atlas of a version 2 .dft
// font, shelf by shelf, tallest first. Nothing (no value) with a message in `error` when the
// atlas or a glyph would not fit the format.
std::optional<DftFont> BuildFont(const std::vector<CharacterBitmap>& glyphs,
                                 const FontLayout& layout, std::string& error);

}  // namespace lexo
