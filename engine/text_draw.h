#pragma once

#include <cstdint>
#include <string_view>

#include "font_dft.h"
#include "frame.h"

namespace lexo {

// Text scales outside (0, kMaxTextScale] draw nothing.
inline constexpr double kMaxTextScale = 64.0;

struct TextStyle {
    uint32_t colour = 0;  // 0x00BBGGRR
    int32_t alpha = 255;  // 255 opaque, 0 invisible; clamped to 0 ... 255
    double scale = 1.0;   // 1.0 natural size; other sizes sample the atlas at the nearest pixel
};

// Draws the CP1251 bytes of `text`, one glyph per byte, with the line's top-left at x, y,
// clipped to the frame. Coverage blends the colour over the frame; a font with an outline
// first lays the outline of the whole text, then the glyphs, so neighbours' outlines never
// eat into a glyph. Does nothing outside Begin ... End.
void DrawText(Frame& frame, const DftFont& font, int32_t x, int32_t y, std::string_view text,
              const TextStyle& style);

}  // namespace lexo
