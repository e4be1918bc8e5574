#include "blend.h"

namespace lexo {
namespace {

// x / 255 rounded, for two 8-bit lanes of products at once (bits 0-15 and 16-31), each at most
// 255 * 255: (x + 128 + ((x + 128) >> 8)) >> 8, and no lane carries into the next.
inline uint32_t DivideLanes(uint32_t lanes) {
    lanes += 0x00800080;
    return ((lanes + ((lanes >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

}  // namespace

Pixel Premultiplied(Pixel colour, uint32_t w) {
    const uint32_t rb = DivideLanes((colour & 0x00FF00FF) * w);
    const uint32_t g = DivideLanes((colour >> 8 & 0xFF) * w);
    return w << 24 | rb | g << 8;
}

Pixel Over(Pixel p, Pixel d) {
    const uint32_t keep = 255 - (p >> 24);
    const uint32_t rb = DivideLanes((d & 0x00FF00FF) * keep);
    const uint32_t ag = DivideLanes((d >> 8 & 0x00FF00FF) * keep);
    return p + (rb | ag << 8);
}

// Both rows are plain loops of 32-bit arithmetic on independent pixels, which the compiler
// turns into vector code at -O3.
void BlendRow(Pixel* dst, const Pixel* src, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = BlendPremultiplied(src[i], dst[i]);
}

void LayKeyedRow(Pixel* dst, const Pixel* src, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = IsOpaque(src[i]) ? src[i] : dst[i];
}

}  // namespace lexo
