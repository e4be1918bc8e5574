#pragma once

#include <cstddef>
#include <cstdint>

#include "pixels.h"

namespace lexo {

// Interpolating rows, for a scene shown larger or smaller than it is. A weight w (1 ... 127)
// takes w / 128 of the second pixel and the rest of the first, on all four channels; a pixel
// that lies exactly on one scene pixel takes that one twice at any weight. Sevenths of a bit
// less precision than 256ths, but the AVX2 pass across multiplies bytes by bytes in one step.
inline constexpr uint32_t kLerpOne = 128;

// a + (b - a) * weight / 128, rounded down, on each channel.
inline Pixel Lerp(Pixel a, Pixel b, uint32_t weight) {
    // Two channels at a time, each in a 16-bit lane.
    const uint32_t keep = kLerpOne - weight;
    const uint32_t rb = ((a & 0x00FF00FF) * keep + (b & 0x00FF00FF) * weight) >> 7 & 0x00FF00FF;
    const uint32_t ag =
        ((a >> 8 & 0x00FF00FF) * keep + (b >> 8 & 0x00FF00FF) * weight) << 1 & 0xFF00FF00;
    return rb | ag;
}

// The pass across has an AVX2 version, the one fast path the engine keeps: sampling a scene row
// through index tables is a gather the compiler does not vectorise, and without it a frame of a
// maximised window takes three times as long (docs/benchmarks.md, frame-hd). Plain is the
// loop it must equal.
enum class ScalePath { Best, Plain };

// One row of srcWidth pixels scaled across: dst[i] = Lerp(src[index[i]], src[next[i]],
// weight[i]), where indices grow with i and lie below srcWidth.
void ScaleAcross(Pixel* dst, const Pixel* src, size_t srcWidth, const int32_t* index,
                 const int32_t* next, const uint16_t* weight, size_t count,
                 ScalePath path = ScalePath::Best);

// Between two rows: dst[i] = Lerp(top[i], bottom[i], weight).
void BlendDown(Pixel* dst, const Pixel* top, const Pixel* bottom, uint32_t weight, size_t count);

}  // namespace lexo
