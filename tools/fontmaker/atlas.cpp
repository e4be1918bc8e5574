#include "atlas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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
int Pack(const std::vector<CharacterBitmap>& glyphs, int atlasWidth, std::vector<Spot>& spots) {
    std::vector<size_t> order(glyphs.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return glyphs[a].glyph.height > glyphs[b].glyph.height;
    });
    spots.assign(glyphs.size(), Spot{});
    int x = 0, y = 0, shelfHeight = 0;
    for (size_t i : order) {
        const GlyphBitmap& g = glyphs[i].glyph;
        if (g.width == 0 || g.height == 0) continue;
        if (x > 0 && x + g.width > atlasWidth) {
            y += shelfHeight + kGap;
            x = 0;
            shelfHeight = 0;
        }
        spots[i] = Spot{x, y};
        x += g.width + kGap;
        shelfHeight = std::max(shelfHeight, g.height);
    }
    return std::max(1, y + shelfHeight);
}

// A roughly square atlas: the side of the total glyph area, but at least the widest glyph.
int ChooseWidth(const std::vector<CharacterBitmap>& glyphs) {
    int64_t area = 0;
    int widest = 1;
    for (const CharacterBitmap& character : glyphs) {
        const GlyphBitmap& g = character.glyph;
        area += int64_t{g.width + kGap} * (g.height + kGap);
        widest = std::max(widest, g.width);
    }
    return std::max(widest, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(area)))));
}

}  // namespace

std::optional<DftFont> BuildFont(const std::vector<CharacterBitmap>& glyphs,
                                 const FontLayout& layout, std::string& error) {
    DftFont font;
    if (glyphs.empty() || glyphs.size() > kDftMaxGlyphCount) {
        error = std::to_string(glyphs.size()) + " glyphs do not fit the format";
        return std::nullopt;
    }
    const int ascent = layout.metrics.ascent + layout.padding;
    const int lineHeight = ascent + layout.metrics.descent + layout.padding;
    if (lineHeight < 1 || lineHeight > kDftMaxLineHeight) {
        error = "the line height " + std::to_string(lineHeight) + " does not fit the format";
        return std::nullopt;
    }
    std::vector<Spot> spots;
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

    font.glyphs.assign(glyphs.size(), DftGlyph{});
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphBitmap& g = glyphs[i].glyph;
        font.codePoints.push_back(glyphs[i].code);
        // Every glyph moves right by the padding so that outlines stay right of the pen start.
        const int left = g.left + layout.padding;
        const int top = ascent - g.top;
        if (!FitsInt16(left) || !FitsInt16(top) || !FitsInt16(g.advance) || g.advance < 0) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(glyphs[i].code));
            error = std::string("glyph ") + name + " is placed beyond the format's range";
            return std::nullopt;
        }
        DftGlyph& out = font.glyphs[i];
        out.atlasX = static_cast<uint16_t>(spots[i].x);
        out.atlasY = static_cast<uint16_t>(spots[i].y);
        out.width = static_cast<uint16_t>(g.width);
        out.height = static_cast<uint16_t>(g.height);
        out.left = static_cast<int16_t>(left);
        out.top = static_cast<int16_t>(top);
        out.advance = static_cast<int16_t>(g.advance);
        for (int y = 0; y < g.height; ++y) {
            size_t to = static_cast<size_t>(spots[i].y + y) * width + spots[i].x;
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
