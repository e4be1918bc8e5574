#include "dft/text_layout.h"

#include <algorithm>
#include <vector>

namespace lexo {

int64_t TextWidth(const DftFont& font, const GlyphMap& map, std::string_view text,
                  TextEncoding encoding) {
    std::vector<uint16_t> glyphs;
    const char* end = text.data() + text.size();
    for (const char* at = text.data(); at != end;) {
        const uint16_t glyph = map.Next(at, end, encoding).glyph;
        if (glyph != GlyphMap::kNoGlyph) glyphs.push_back(glyph);
    }
    int64_t left = 0;
    int64_t right = 0;
    ForEachGlyphBox(font, glyphs, 1.0, [&](const GlyphBox& box) {
        left = std::min(left, box.x);
        right = std::max(right, box.x + box.width);
    });
    return right - left;
}

}  // namespace lexo
