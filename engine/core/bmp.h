#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pixels.h"

namespace lexo {

// The largest width or height of a picture the engine reads.
inline constexpr int kMaxImageSide = 16384;
// The most pixels a picture may have (64 MiB of them, 4096 x 4096): far more than any sheet or
// background of the game, and few enough that a small file of one bit per pixel cannot make
// the engine allocate gigabytes.
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 24;

// Decodes a Windows bitmap held in memory: info headers of 12, 40, 52, 56, 108 or 124 bytes;
// 1, 4 and 8 bits per pixel with a palette; 16 and 32 bits uncompressed or with bit-field
// masks; 24 bits; rows bottom-up or top-down. Every pixel comes out opaque. Nothing (no value)
// for anything else, for a side over kMaxImageSide or more than kMaxImagePixels pixels, or when
// a size, offset or count does not fit the bytes given: the pixels are only allocated once the
// file is known to hold all of them.
std::optional<Image> DecodeBmp(std::span<const uint8_t> file);

// Encodes pixels as an uncompressed 24-bit bottom-up bitmap.
std::vector<uint8_t> EncodeBmp24(const Image& image);

}  // namespace lexo
