#pragma once

#include <cmath>
#include <cstdint>
#include <span>
#include <string_view>

#include "dft/font_dft.h"
#include "dft/glyph_map.h"

namespace lexo {

// Where one glyph's atlas box lands, relative to the text's top-left position.
struct GlyphBox {
    uint16_t glyph;
    int64_t x, y, width, height;
};

// Visits the nonempty glyph boxes of a line of glyphs drawn at `scale` times natural size, the
// pen moving on by each glyph's advance.
template <typename Visit>
void ForEachGlyphBox(const DftFont& font, std::span<const uint16_t> glyphs, double scale,
                     Visit visit) {
    if (scale == 1.0) {
        // Natural size, every frame for every word: whole pixels need no rounding.
        int64_t pen = 0;
        for (uint16_t glyph : glyphs) {
            const DftGlyph& g = font.glyphs[glyph];
            if (g.width > 0 && g.height > 0)
                visit(GlyphBox{glyph, pen + g.left, g.top, g.width, g.height});
            pen += g.advance;
        }
        return;
    }
    double pen = 0;
    for (uint16_t glyph : glyphs) {
        const DftGlyph& g = font.glyphs[glyph];
        GlyphBox box{glyph, std::llround(pen + g.left * scale), std::llround(g.top * scale),
                     std::llround(g.width * scale), std::llround(g.height * scale)};
        if (box.width > 0 && box.height > 0) visit(box);
        pen += g.advance * scale;
    }
}

// How wide a line of text is drawn at natural size, its characters read as GlyphMap::Next
// reads them: from the pen's start, or the leftmost pixel a glyph covers where that lies
// further left, to the rightmost pixel a glyph covers.
int64_t TextWidth(const DftFont& font, const GlyphMap& map, std::string_view text,
                  TextEncoding encoding);

}  // namespace lexo
