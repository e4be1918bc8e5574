#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

namespace lexo {

// The picture as an 8-bit RGBA PNG file's bytes. Throws std::runtime_error when libpng fails.
std::vector<uint8_t> EncodePng(const RgbaImage& image);

// Writes the picture as an 8-bit RGBA PNG. Throws std::runtime_error when it cannot.
void WritePng(const std::string& path, const RgbaImage& image);

}  // namespace lexo
