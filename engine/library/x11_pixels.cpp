#include "x11_pixels.h"

#include <X11/Xutil.h>

#include <bit>

namespace lexo {
namespace {

// Places an 8-bit channel value into the bits of a visual's colour mask.
struct MaskPlacement {
    int shift = 0;
    int bits = 0;

    explicit MaskPlacement(unsigned long mask) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask);
    }
    unsigned long Place(uint32_t value) const {
        if (bits == 0) return 0;
        unsigned long scaled =
            bits <= 8 ? value >> (8 - bits) : static_cast<unsigned long>(value) << (bits - 8);
        return scaled << shift;
    }
};

}  // namespace

bool ImageMatchesFrameLayout(const XImage& image) {
    const bool nativeLsb = std::endian::native == std::endian::little;
    return image.bits_per_pixel == 32 && image.red_mask == 0xFF0000 && image.green_mask == 0xFF00 &&
           image.blue_mask == 0xFF && (image.byte_order == LSBFirst) == nativeLsb;
}

void WriteFrameToImage(const Image& frame, const Rect& part, XImage& image) {
    const MaskPlacement red(image.red_mask);
    const MaskPlacement green(image.green_mask);
    const MaskPlacement blue(image.blue_mask);
    const unsigned long depthBits = image.depth >= 64 ? ~0ul : (1ul << image.depth) - 1;
    const unsigned long extra = depthBits & ~(image.red_mask | image.green_mask | image.blue_mask);
    const Rect inside = part.Intersect({0, 0, image.width, image.height});
    for (auto y = static_cast<int>(inside.y0); y < inside.y1; ++y) {
        const Pixel* row = frame.Row(y);
        for (auto x = static_cast<int>(inside.x0); x < inside.x1; ++x) {
            Pixel p = row[x];
            unsigned long value =
                red.Place(p >> 16 & 0xFF) | green.Place(p >> 8 & 0xFF) | blue.Place(p & 0xFF);
            XPutPixel(&image, x, y, value | extra);
        }
    }
}

}  // namespace lexo
