#include "atlas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace lexo {
namespace {

// A one-pixel gutter keeps neighbouring glyphs apart in the atlas.
constexpr int kGap = 1;

struct Spot {
    int x = 0;
    int y = 0;
};

bool FitsInt16(int value) {
    return value >= std::numeric_limits<int16_t>::min() &&
           value <= std::numeric_limits<int16_t>::max();
}

// Shelf packing of the glyph boxes into the given width; returns the atlas height.
int Pack(const std::array<std::optional<GlyphBitmap>, 256>& glyphs, int atlasWidth,
         std::array<Spot, 256>& spots) {
    std::vector<int> order(256);
    std::iota(order.begin(), order.end(), 0);
    auto heightOf = [&](int code) { return glyphs[code] ? glyphs[code]->height : 0; };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return heightOf(a) > heightOf(b); });
    int x = 0, y = 0, shelfHeight = 0;
    for (int code : order) {
        if (!glyphs[code] || glyphs[code]->width == 0 || glyphs[code]->height == 0) continue;
        const GlyphBitmap& g = *glyphs[code];
        if (x > 0 && x + g.width > atlasWidth) {
            y += shelfHeight + kGap;
            x = 0;
            shelfHeight = 0;
        }
        spots[code] = Spot{x, y};
        x += g.width + kGap;
        shelfHeight = std::max(shelfHeight, g.height);
    }
    return std::max(1, y + shelfHeight);
}

// A roughly square atlas: the side of the total glyph area, but at least the widest glyph.
int ChooseWidth(const std::array<std::optional<GlyphBitmap>, 256>& glyphs) {
    int64_t area = 0;
    int widest = 1;
    for (const auto& g : glyphs) {
        if (!g) continue;
        area += int64_t{g->width + kGap} * (g->height + kGap);
        widest = std::max(widest, g->width);
    }
    return std::max(widest, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(area)))));
}

}  // namespace

std::optional<DftFont> BuildFont(const std::array<std::optional<GlyphBitmap>, 256>& glyphs,
                                 const FontLayout& layout, std::string& error) {
    DftFont font;
    const int ascent = layout.metrics.ascent + layout.padding;
    const int lineHeight = ascent + layout.metrics.descent + layout.padding;
    if (lineHeight < 1 || lineHeight > kDftMaxLineHeight) {
        error = "the line height " + std::to_string(lineHeight) + " does not fit the format";
        return std::nullopt;
    }
    std::array<Spot, 256> spots{};
    const int width = ChooseWidth(glyphs);
    const int height = Pack(glyphs, width, spots);
    if (width > kDftMaxAtlasSide || height > kDftMaxAtlasSide) {
        error = "the glyphs do not fit a " + std::to_string(kDftMaxAtlasSide) + " pixel atlas";
        return std::nullopt;
    }
    font.lineHeight = static_cast<uint16_t>(lineHeight);
    font.ascent = static_cast<uint16_t>(ascent);
    font.atlasWidth = static_cast<uint16_t>(width);
    font.atlasHeight = static_cast<uint16_t>(height);
    font.hasOutline = layout.hasOutline;
    font.outlineColour = layout.hasOutline ? layout.outlineColour : 0;
    font.coverage.assign(static_cast<size_t>(width) * height, 0);
    if (font.hasOutline) font.outline.assign(font.coverage.size(), 0);

    for (size_t code = 0; code < 256; ++code) {
        if (!glyphs[code]) continue;
        const GlyphBitmap& g = *glyphs[code];
        // Every glyph moves right by the padding so that outlines stay right of the pen start.
        const int left = g.left + layout.padding;
        const int top = ascent - g.top;
        if (!FitsInt16(left) || !FitsInt16(top) || !FitsInt16(g.advance) || g.advance < 0) {
            error = "glyph " + std::to_string(code) + " is placed beyond the format's range";
            return std::nullopt;
        }
        DftGlyph& out = font.glyphs[code];
        out.atlasX = static_cast<uint16_t>(spots[code].x);
        out.atlasY = static_cast<uint16_t>(spots[code].y);
        out.width = static_cast<uint16_t>(g.width);
        out.height = static_cast<uint16_t>(g.height);
        out.left = static_cast<int16_t>(left);
        out.top = static_cast<int16_t>(top);
        out.advance = static_cast<int16_t>(g.advance);
        for (int y = 0; y < g.height; ++y) {
            size_t to = static_cast<size_t>(spots[code].y + y) * width + spots[code].x;
            size_t from = static_cast<size_t>(y) * g.width;
            std::copy_n(g.coverage.begin() + from, g.width, font.coverage.begin() + to);
            if (font.hasOutline) {
                std::copy_n(g.outline.begin() + from, g.width, font.outline.begin() + to);
            }
        }
    }
    return font;
}

}  // namespace lexo
