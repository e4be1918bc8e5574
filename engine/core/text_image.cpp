#include "text_image.h"

#include "blend.h"

namespace lexo {
namespace {

inline uint32_t Weight(uint32_t cover, uint32_t alpha) {
    return alpha == 255 ? cover : (cover * alpha + 127) / 255;
}

}  // namespace

TextImage::TextImage(const DftFont& font, std::span<const uint16_t> glyphs, Pixel colour,
                     uint32_t alpha) {
    box_ = GlyphsBox(font, glyphs, 1.0);
    tooBig_ = !box_.Empty() && (box_.x1 - box_.x0) * (box_.y1 - box_.y0) > kMaxArea;
    if (box_.Empty() || alpha == 0 || tooBig_) {
        box_ = Rect{};
        return;
    }
    std::vector<Pixel> layer(static_cast<size_t>((box_.x1 - box_.x0) * (box_.y1 - box_.y0)), 0);
    if (font.hasOutline) {
        Compose(font, glyphs, font.outline, PixelFromColourRef(font.outlineColour), alpha, layer);
    }
    Compose(font, glyphs, font.coverage, colour, alpha, layer);
    const auto width = static_cast<int32_t>(box_.x1 - box_.x0);
    for (int64_t y = 0; y < box_.y1 - box_.y0; ++y) {
        rows_.AddRow(layer.data() + static_cast<size_t>(y) * width, width);
    }
}

TextImage::TextImage(const Rect& box, std::span<const Pixel> layer) : box_(box) {
    const auto width = static_cast<int32_t>(box_.x1 - box_.x0);
    for (int64_t y = 0; y < box_.y1 - box_.y0; ++y) {
        rows_.AddRow(layer.data() + static_cast<size_t>(y) * width, width);
    }
}

void TextImage::Compose(const DftFont& font, std::span<const uint16_t> glyphs,
                        const std::vector<uint8_t>& plane, Pixel colour, uint32_t alpha,
                        std::vector<Pixel>& layer) const {
    const int64_t width = box_.x1 - box_.x0;
    ForEachGlyphBox(font, glyphs, 1.0, [&](const GlyphBox& box) {
        const DftGlyph& g = font.glyphs[box.glyph];
        for (int y = 0; y < g.height; ++y) {
            const uint8_t* src =
                plane.data() + static_cast<size_t>(g.atlasY + y) * font.atlasWidth + g.atlasX;
            Pixel* dst = layer.data() + (box.y + y - box_.y0) * width + (box.x - box_.x0);
            for (int x = 0; x < g.width; ++x) {
                const uint32_t w = Weight(src[x], alpha);
                if (w != 0) dst[x] = Over(Premultiplied(colour, w), dst[x]);
            }
        }
    });
}

void TextImage::Draw(Image& canvas, const Rect& clip, int64_t x, int64_t y) const {
    if (box_.Empty()) return;
    rows_.Lay(canvas, clip, x + box_.x0, y + box_.y0, BlendRow);
}

}  // namespace lexo
