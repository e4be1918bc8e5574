#pragma once

#include <string>

#include "image.h"

namespace lexo {

// Writes an uncompressed 24-bit bottom-up BMP. Throws std::runtime_error when the file cannot
// be written.
void WriteBmp(const std::string& path, const Image& image);

}  // namespace lexo
