#pragma once

#include <cstdint>
#include <string_view>

#include "font.h"
#include "pixels.h"

namespace lexo {

// Text scales outside (0, kMaxTextScale] draw nothing.
inline constexpr double kMaxTextScale = 64.0;

struct TextStyle {
    uint32_t colour = 0;  // 0x00BBGGRR
    int32_t alpha = 255;  // 255 opaque, 0 or less invisible, more than 255 as 255
    double scale = 1.0;   // 1.0 natural size; other sizes sample the atlas at the nearest pixel

    bool operator==(const TextStyle&) const = default;
};

// The frame pixels the text may change: the bounding box of its glyph boxes (empty when it
// draws nothing at all).
Rect TextBounds(const Font& font, int32_t x, int32_t y, std::string_view text,
                const TextStyle& style);

// Draws the CP1251 bytes of `text`, one glyph per byte, with the line's top-left at x, y,
// changing only canvas pixels inside `clip`. Coverage blends the colour over the canvas; a font
// with an outline lays the outline of the whole line first, then the glyphs, so neighbours'
// outlines never eat into a glyph. At natural size the line is drawn from the font's kept
// image of it.
void DrawText(Image& canvas, const Rect& clip, const Font& font, int32_t x, int32_t y,
              std::string_view text, const TextStyle& style);

}  // namespace lexo
