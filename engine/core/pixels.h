#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lexo {

// Frame and texture pixels are 0xAARRGGBB words: the layout of a 24- or 32-bit TrueColor X11
// image on a little-endian machine, so a finished frame goes to the server as it is. A is 0xFF
// for every frame pixel and every opaque texture pixel, 0 for texture pixels keyed out.
using Pixel = uint32_t;

inline constexpr Pixel kOpaque = 0xFF000000u;
inline constexpr Pixel kOpaqueBlack = kOpaque;

constexpr Pixel PixelFromRgb(uint32_t r, uint32_t g, uint32_t b) {
    return kOpaque | (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// Engine colours arrive as 0x00BBGGRR (red in the low byte).
constexpr Pixel PixelFromColourRef(uint32_t colour) {
    return PixelFromRgb(colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF);
}

constexpr bool IsOpaque(Pixel p) { return (p & kOpaque) != 0; }

// A picture in memory, rows top to bottom, no padding between rows.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;

    Pixel* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
    const Pixel* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
};

// A rectangle of whole pixels, [x0, x1) x [y0, y1), empty when x0 >= x1 or y0 >= y1. Corners
// are 64-bit so that positions and sizes taken from 32-bit arguments add up without overflow.
struct Rect {
    int64_t x0 = 0;
    int64_t y0 = 0;
    int64_t x1 = 0;
    int64_t y1 = 0;

    bool Empty() const { return x0 >= x1 || y0 >= y1; }
    bool operator==(const Rect&) const = default;
    Rect Intersect(const Rect& other) const {
        return {x0 > other.x0 ? x0 : other.x0, y0 > other.y0 ? y0 : other.y0,
                x1 < other.x1 ? x1 : other.x1, y1 < other.y1 ? y1 : other.y1};
    }
    // The smallest rectangle holding both; an empty one adds nothing.
    Rect Bound(const Rect& other) const {
        if (other.Empty()) return *this;
        if (Empty()) return other;
        return {x0 < other.x0 ? x0 : other.x0, y0 < other.y0 ? y0 : other.y0,
                x1 > other.x1 ? x1 : other.x1, y1 > other.y1 ? y1 : other.y1};
    }
};

}  // namespace lexo
