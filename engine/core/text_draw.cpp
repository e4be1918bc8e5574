#include "text_draw.h"

#include <algorithm>
#include <vector>

#include "text_image.h"

namespace lexo {
namespace {

bool Drawable(const TextStyle& style) {
    return style.scale > 0.0 && style.scale <= kMaxTextScale && style.alpha > 0;
}

// (s * w + d * (255 - w)) / 255 per channel, rounded.
inline Pixel Blend(Pixel dst, Pixel src, uint32_t w) {
    const uint32_t inv = 255 - w;
    uint32_t r = ((src >> 16 & 0xFF) * w + (dst >> 16 & 0xFF) * inv + 127) / 255;
    uint32_t g = ((src >> 8 & 0xFF) * w + (dst >> 8 & 0xFF) * inv + 127) / 255;
    uint32_t b = ((src & 0xFF) * w + (dst & 0xFF) * inv + 127) / 255;
    return kOpaque | r << 16 | g << 8 | b;
}

// One atlas plane of one glyph at any size, sampled at the nearest pixel.
void DrawGlyphPlane(Image& canvas, const Rect& clip, const GlyphBox& box, const DftFont& font,
                    const std::vector<uint8_t>& plane, Pixel colour, uint32_t alpha) {
    Rect visible = Rect{box.x, box.y, box.x + box.width, box.y + box.height}.Intersect(clip);
    if (visible.Empty()) return;
    const DftGlyph& g = font.glyphs[box.glyph];
    std::vector<int32_t> columns;
    columns.resize(static_cast<size_t>(visible.x1 - visible.x0));
    for (int64_t x = visible.x0; x < visible.x1; ++x) {
        columns[static_cast<size_t>(x - visible.x0)] =
            static_cast<int32_t>((2 * (x - box.x) + 1) * g.width / (2 * box.width));
    }
    for (int64_t y = visible.y0; y < visible.y1; ++y) {
        int64_t sy = (2 * (y - box.y) + 1) * g.height / (2 * box.height);
        const uint8_t* src =
            plane.data() + static_cast<size_t>(g.atlasY + sy) * font.atlasWidth + g.atlasX;
        Pixel* dst = canvas.Row(static_cast<int>(y)) + visible.x0;
        for (size_t i = 0; i < columns.size(); ++i) {
            uint32_t cover = src[columns[i]];
            if (cover == 0) continue;
            dst[i] = Blend(dst[i], colour, alpha == 255 ? cover : (cover * alpha + 127) / 255);
        }
    }
}

// Scaled text (or a line too long to keep as an image): straight from the atlas, the outline
// pass over the whole line before the glyph pass.
void DrawFromAtlas(Image& canvas, const Rect& clip, const DftFont& font, int32_t x, int32_t y,
                   std::span<const uint16_t> glyphs, const TextStyle& style, uint32_t alpha) {
    auto pass = [&](const std::vector<uint8_t>& plane, Pixel colour) {
        ForEachGlyphBox(font, glyphs, style.scale, [&](GlyphBox box) {
            box.x += x;
            box.y += y;
            DrawGlyphPlane(canvas, clip, box, font, plane, colour, alpha);
        });
    };
    if (font.hasOutline) pass(font.outline, PixelFromColourRef(font.outlineColour));
    pass(font.coverage, PixelFromColourRef(style.colour));
}

}  // namespace

Rect TextBounds(const Font& font, int32_t x, int32_t y, std::span<const uint16_t> glyphs,
                const TextStyle& style) {
    if (!Drawable(style)) return Rect{};
    const Rect box = GlyphsBox(font.Data(), glyphs, style.scale);
    if (box.Empty()) return Rect{};
    return {x + box.x0, y + box.y0, x + box.x1, y + box.y1};
}

std::shared_ptr<const TextImage> ImageToLay(const Font& font, std::span<const uint16_t> glyphs,
                                            const TextStyle& style) {
    if (!Drawable(style) || style.scale != 1.0) return nullptr;
    return font.Image(glyphs, PixelFromColourRef(style.colour),
                      static_cast<uint32_t>(std::min(style.alpha, 255)));
}

TextBlit::TextBlit(const Font& font, int32_t x, int32_t y, std::span<const uint16_t> glyphs,
                   const TextStyle& style, const TextImage* image)
    : font_(font), x_(x), y_(y), glyphs_(glyphs), style_(style), image_(image) {}

void TextBlit::Draw(Image& canvas, const Rect& clip) const {
    if (!Drawable(style_)) return;
    if (image_ != nullptr) {
        image_->Draw(canvas, clip, x_, y_);
        return;
    }
    const auto alpha = static_cast<uint32_t>(std::min(style_.alpha, 255));
    DrawFromAtlas(canvas, clip, font_.Data(), x_, y_, glyphs_, style_, alpha);
}

}  // namespace lexo
