#pragma once

#include <array>
#include <optional>
#include <string>

#include "font_dft.h"
#include "glyph_raster.h"

namespace lexo {

struct FontLayout {
    FontMetrics metrics;
    int padding = 0;  // room around every glyph for its outline, in pixels
    bool hasOutline = false;
    uint32_t outlineColour = 0;  // 0x00BBGGRR
};

// Packs the glyphs of all 256 codes (absent ones stay empty, with no advance) into the
// coverage atlas of a .dft font, shelf by shelf, tallest first. Nothing (no value) with a
// message in `error` when the atlas or a glyph would not fit the format.
std::optional<DftFont> BuildFont(const std::array<std::optional<GlyphBitmap>, 256>& glyphs,
                                 const FontLayout& layout, std::string& error);

}  // namespace lexo
