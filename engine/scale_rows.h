#pragma once

#include <cstddef>
#include <cstdint>

#include "blend.h"
#include "pixels.h"

namespace lexo {

// Interpolating rows, for a scene shown larger or smaller than it is. A weight w (0 ... 256)
// takes w / 256 of the second pixel and the rest of the first, on all four channels.

// a + (b - a) * weight / 256, rounded down, on each channel.
inline Pixel Lerp(Pixel a, Pixel b, uint32_t weight) {
    // Two channels at a time, each in a 16-bit lane where a * (256 - w) + b * w stays below 65536.
    const uint32_t keep = 256 - weight;
    const uint32_t rb = ((a & 0x00FF00FF) * keep + (b & 0x00FF00FF) * weight) >> 8 & 0x00FF00FF;
    const uint32_t ag = ((a >> 8 & 0x00FF00FF) * keep + (b >> 8 & 0x00FF00FF) * weight) & 0xFF00FF00;
    return rb | ag;
}

// One row scaled across: dst[i] = Lerp(src[index[i]], src[next[i]], weight[i]).
void ScaleAcross(Pixel* dst, const Pixel* src, const int32_t* index, const int32_t* next,
                 const uint16_t* weight, size_t count, BlendPath path = BlendPath::Best);

// Between two rows: dst[i] = Lerp(top[i], bottom[i], weight).
void BlendDown(Pixel* dst, const Pixel* top, const Pixel* bottom, uint32_t weight, size_t count,
               BlendPath path = BlendPath::Best);

}  // namespace lexo
