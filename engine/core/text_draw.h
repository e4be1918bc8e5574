#pragma once

#include <cstdint>
#include <memory>
#include <span>

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
Rect TextBounds(const Font& font, int32_t x, int32_t y, std::span<const uint16_t> glyphs,
                const TextStyle& style);

// The font's kept image of the line as the style draws it: null unless drawn at natural size,
// or when the line is too big to keep.
std::shared_ptr<const TextImage> ImageToLay(const Font& font, std::span<const uint16_t> glyphs,
                                            const TextStyle& style);

// A line of glyphs with its top-left at x, y, ready to be laid in
// pieces. Coverage blends the colour over the canvas; a font with an outline lays the outline
// of the whole line first, then the glyphs, so neighbours' outlines never eat into a glyph. It
// is laid from the image ImageToLay gave for it (which must outlive it), or else from the
// font's atlas.
class TextBlit {
  public:
    TextBlit(const Font& font, int32_t x, int32_t y, std::span<const uint16_t> glyphs,
             const TextStyle& style, const TextImage* image);

    // Changes only canvas pixels inside `clip`.
    void Draw(Image& canvas, const Rect& clip) const;

  private:
    const Font& font_;
    int32_t x_;
    int32_t y_;
    std::span<const uint16_t> glyphs_;
    TextStyle style_;
    const TextImage* image_;
};

}  // namespace lexo
