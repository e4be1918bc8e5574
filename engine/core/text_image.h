#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "dft/font_dft.h"
#include "dft/text_layout.h"
#include "pixels.h"
#include "span_image.h"

namespace lexo {

// A line of text as the glyphs it draws, in order: indices into the font's glyphs.
using GlyphRun = std::vector<uint16_t>;

// The box around a line's glyph boxes, relative to its top-left position; empty when no glyph
// shows.
inline Rect GlyphsBox(const DftFont& font, std::span<const uint16_t> glyphs, double scale) {
    Rect box;
    ForEachGlyphBox(font, glyphs, scale, [&](const GlyphBox& g) {
        box = box.Bound({g.x, g.y, g.x + g.width, g.y + g.height});
    });
    return box;
}

// A line of text drawn once, at natural size, in one colour and alpha, ready to be laid onto
// frames again and again. Pixels are premultiplied (A in the top byte, colour already scaled
// by it), so laying one pixel is p + d * (255 - A) / 255: a zero pixel leaves the frame as it
// is, an opaque one replaces it. Whole rows are laid that way, several pixels at a time, which
// is cheaper than telling opaque, translucent and empty pixels apart. Outline and glyphs are
// already composed, the outline of the whole line under all glyphs.
class TextImage {
  public:
    // The largest box, in pixels, an image is made for.
    static constexpr int64_t kMaxArea = 1 << 20;

    TextImage(const DftFont& font, std::span<const uint16_t> glyphs, Pixel colour, uint32_t alpha);
    // A line composed elsewhere: `layer` holds the box's premultiplied pixels, row by row.
    TextImage(const Rect& box, std::span<const Pixel> layer);

    // Whether the text's box was too big to make an image of; the image is then empty.
    bool TooBig() const { return tooBig_; }
    // The box relative to the text's top-left position; empty when the text shows nothing.
    const Rect& Box() const { return box_; }
    // Pixels kept: those of every row from the first that shows to the last.
    size_t PixelCount() const { return rows_.PixelCount(); }

    // Lays the image with the text's top-left at x, y, changing only pixels inside `clip`.
    void Draw(Image& canvas, const Rect& clip, int64_t x, int64_t y) const;

  private:
    void Compose(const DftFont& font, std::span<const uint16_t> glyphs,
                 const std::vector<uint8_t>& plane, Pixel colour, uint32_t alpha,
                 std::vector<Pixel>& layer) const;

    Rect box_;
    bool tooBig_ = false;
    SpanImage rows_;
};

}  // namespace lexo
