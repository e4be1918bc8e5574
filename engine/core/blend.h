#pragma once

#include <cstddef>
#include <cstdint>

#include "pixels.h"

namespace lexo {

// Alpha arithmetic on premultiplied pixels: A in the top byte, the colour already scaled by it.
// Every division by 255 rounds.

// `colour`'s RGB at weight w (0 ... 255) as a premultiplied pixel with A = w.
Pixel Premultiplied(Pixel colour, uint32_t w);

// p over d, both premultiplied: p + d * (255 - A) / 255 on all four channels. A zero pixel
// leaves d as it is, an opaque one replaces it.
Pixel Over(Pixel p, Pixel d);

// p laid over an opaque frame pixel: Over(p, d), opaque.
inline Pixel BlendPremultiplied(Pixel p, Pixel d) { return Over(p, d) | kOpaque; }

// BlendPremultiplied over `count` frame pixels: dst[i] = BlendPremultiplied(src[i], dst[i]).
void BlendRow(Pixel* dst, const Pixel* src, size_t count);

// Copies the opaque pixels of src over dst[0 ... count), leaving dst where src is keyed out:
// A is 255 or 0 in every src pixel.
void LayKeyedRow(Pixel* dst, const Pixel* src, size_t count);

}  // namespace lexo
