#include "text_image.h"

#include <algorithm>
#include <cstring>

namespace lexo {
namespace {

inline uint32_t Weight(uint32_t cover, uint32_t alpha) {
    return alpha == 255 ? cover : (cover * alpha + 127) / 255;
}

// x / 255 rounded, for two 8-bit lanes of products at once (bits 0-15 and 16-31), each at most
// 255 * 255: (x + 128 + ((x + 128) >> 8)) >> 8, and no lane carries into the next.
inline uint32_t DivideLanes(uint32_t lanes) {
    lanes += 0x00800080;
    return ((lanes + ((lanes >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

// p + d * (255 - A) / 255 on all four channels: p premultiplied with alpha A.
inline Pixel Over(Pixel p, Pixel d) {
    const uint32_t keep = 255 - (p >> 24);
    uint32_t rb = DivideLanes((d & 0x00FF00FF) * keep);
    uint32_t ag = DivideLanes((d >> 8 & 0x00FF00FF) * keep);
    return p + (rb | ag << 8);
}

inline Pixel Premultiplied(Pixel colour, uint32_t w) {
    uint32_t rb = DivideLanes((colour & 0x00FF00FF) * w);
    uint32_t g = DivideLanes((colour >> 8 & 0xFF) * w);
    return w << 24 | rb | g << 8;
}

}  // namespace

TextImage::TextImage(const DftFont& font, std::string_view text, Pixel colour, uint32_t alpha) {
    ForEachGlyphBox(font, text, 1.0, [&](const GlyphBox& g) {
        Rect glyph{g.x, g.y, g.x + g.width, g.y + g.height};
        box_ = box_.Empty() ? glyph
                            : Rect{std::min(box_.x0, glyph.x0), std::min(box_.y0, glyph.y0),
                                   std::max(box_.x1, glyph.x1), std::max(box_.y1, glyph.y1)};
    });
    tooBig_ = !box_.Empty() && (box_.x1 - box_.x0) * (box_.y1 - box_.y0) > kMaxArea;
    if (box_.Empty() || alpha == 0 || tooBig_) {
        box_ = Rect{};
        return;
    }
    std::vector<Pixel> layer(static_cast<size_t>((box_.x1 - box_.x0) * (box_.y1 - box_.y0)), 0);
    if (font.hasOutline) {
        Compose(font, text, font.outline, PixelFromColourRef(font.outlineColour), alpha, layer);
    }
    Compose(font, text, font.coverage, colour, alpha, layer);
    MakeRuns(layer);
}

void TextImage::Compose(const DftFont& font, std::string_view text,
                        const std::vector<uint8_t>& plane, Pixel colour, uint32_t alpha,
                        std::vector<Pixel>& layer) const {
    const int64_t width = box_.x1 - box_.x0;
    ForEachGlyphBox(font, text, 1.0, [&](const GlyphBox& box) {
        const DftGlyph& g = font.glyphs[box.code];
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

void TextImage::MakeRuns(const std::vector<Pixel>& layer) {
    const auto width = static_cast<int32_t>(box_.x1 - box_.x0);
    const auto height = static_cast<int32_t>(box_.y1 - box_.y0);
    rowStart_.reserve(static_cast<size_t>(height) + 1);
    rowStart_.push_back(0);
    for (int32_t y = 0; y < height; ++y) {
        const Pixel* row = layer.data() + static_cast<size_t>(y) * width;
        int32_t x = 0;
        while (x < width) {
            const uint32_t a = row[x] >> 24;
            if (a == 0) {
                ++x;
                continue;
            }
            const bool opaque = a == 255;
            const int32_t start = x;
            while (x < width && (row[x] >> 24) != 0 && ((row[x] >> 24) == 255) == opaque) ++x;
            runs_.push_back({start, x - start, static_cast<uint32_t>(pixels_.size()), opaque});
            pixels_.insert(pixels_.end(), row + start, row + x);
        }
        rowStart_.push_back(static_cast<uint32_t>(runs_.size()));
    }
}

void TextImage::Draw(Image& canvas, const Rect& clip, int64_t x, int64_t y) const {
    if (box_.Empty()) return;
    const int64_t left = x + box_.x0;
    const int64_t top = y + box_.y0;
    const int64_t y0 = std::max(top, clip.y0);
    const int64_t y1 = std::min(top + (box_.y1 - box_.y0), clip.y1);
    for (int64_t fy = y0; fy < y1; ++fy) {
        Pixel* dst = canvas.Row(static_cast<int>(fy));
        const size_t row = static_cast<size_t>(fy - top);
        for (uint32_t r = rowStart_[row]; r < rowStart_[row + 1]; ++r) {
            const TextRun& run = runs_[r];
            const int64_t start = left + run.x;
            const int64_t from = std::max(start, clip.x0);
            const int64_t to = std::min(start + run.length, clip.x1);
            if (from >= to) continue;
            const Pixel* src = pixels_.data() + run.offset + (from - start);
            if (run.opaque) {
                std::memcpy(dst + from, src, static_cast<size_t>(to - from) * sizeof(Pixel));
                continue;
            }
            for (int64_t i = from; i < to; ++i) dst[i] = Over(*src++, dst[i]) | kOpaque;
        }
    }
}

}  // namespace lexo
