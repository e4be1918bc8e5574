#include "text_draw.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lexo {
namespace {

// Where one glyph's atlas box lands on the frame, in frame pixels (may lie outside it).
struct GlyphBox {
    const DftGlyph* glyph;
    int64_t x, y, width, height;
};

template <typename Visit>
void ForEachGlyphBox(const DftFont& font, int32_t x, int32_t y, std::string_view text,
                     double scale, Visit visit) {
    double pen = x;
    for (char c : text) {
        const DftGlyph& g = font.glyphs[static_cast<unsigned char>(c)];
        GlyphBox box{&g, std::llround(pen + g.left * scale), y + std::llround(g.top * scale),
                     std::llround(g.width * scale), std::llround(g.height * scale)};
        if (box.width > 0 && box.height > 0) visit(box);
        pen += g.advance * scale;
    }
}

// (s * w + d * (255 - w)) / 255 per channel, rounded; w = 255 gives s exactly.
inline Pixel Blend(Pixel dst, Pixel src, uint32_t w) {
    const uint32_t inv = 255 - w;
    uint32_t r = ((src >> 16 & 0xFF) * w + (dst >> 16 & 0xFF) * inv + 127) / 255;
    uint32_t g = ((src >> 8 & 0xFF) * w + (dst >> 8 & 0xFF) * inv + 127) / 255;
    uint32_t b = ((src & 0xFF) * w + (dst & 0xFF) * inv + 127) / 255;
    return kOpaque | r << 16 | g << 8 | b;
}

// Blends one atlas plane of a glyph box onto the canvas.
void BlendBox(Image& canvas, const GlyphBox& box, const std::vector<uint8_t>& plane,
              int atlasWidth, Pixel colour, uint32_t alpha) {
    Rect area{box.x, box.y, box.x + box.width, box.y + box.height};
    Rect visible = area.Intersect(Rect{0, 0, canvas.width, canvas.height});
    if (visible.Empty()) return;
    const DftGlyph& g = *box.glyph;
    thread_local std::vector<int32_t> columns;
    columns.resize(static_cast<size_t>(visible.x1 - visible.x0));
    for (int64_t x = visible.x0; x < visible.x1; ++x) {
        columns[static_cast<size_t>(x - visible.x0)] =
            static_cast<int32_t>((2 * (x - box.x) + 1) * g.width / (2 * box.width));
    }
    for (int64_t y = visible.y0; y < visible.y1; ++y) {
        int64_t sy = (2 * (y - box.y) + 1) * g.height / (2 * box.height);
        const uint8_t* src =
            plane.data() + static_cast<size_t>(g.atlasY + sy) * atlasWidth + g.atlasX;
        Pixel* dst = canvas.Row(static_cast<int>(y)) + visible.x0;
        for (size_t i = 0; i < columns.size(); ++i) {
            uint32_t cover = src[columns[i]];
            if (cover == 0) continue;
            uint32_t w = alpha == 255 ? cover : (cover * alpha + 127) / 255;
            dst[i] = w == 255 ? colour : Blend(dst[i], colour, w);
        }
    }
}

}  // namespace

void DrawText(Frame& frame, const DftFont& font, int32_t x, int32_t y, std::string_view text,
              const TextStyle& style) {
    const double scale = style.scale;
    if (!(scale > 0.0 && scale <= kMaxTextScale)) return;
    const uint32_t alpha = static_cast<uint32_t>(std::clamp(style.alpha, 0, 255));
    if (alpha == 0 || text.empty()) return;
    Image* canvas = frame.Canvas(Rect{}, false);
    if (canvas == nullptr) return;
    if (font.hasOutline) {
        const Pixel outline = PixelFromColourRef(font.outlineColour);
        ForEachGlyphBox(font, x, y, text, scale, [&](const GlyphBox& box) {
            BlendBox(*canvas, box, font.outline, font.atlasWidth, outline, alpha);
        });
    }
    const Pixel colour = PixelFromColourRef(style.colour);
    ForEachGlyphBox(font, x, y, text, scale, [&](const GlyphBox& box) {
        BlendBox(*canvas, box, font.coverage, font.atlasWidth, colour, alpha);
    });
}

}  // namespace lexo
