#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace lexo {

// Reads a whole regular file with the one reader (text/file_reader.h). Nothing (no value) when the
// path is null, names no regular file (a folder, a pipe: opening never waits for a writer), cannot
// be read, or holds more than maxBytes, so a content file can never make the engine allocate
// without bound.
std::optional<std::vector<uint8_t>> ReadFileBytes(const char* path, size_t maxBytes);

// Writes bytes to a file, replacing it. False when it cannot be written completely.
bool WriteFileBytes(const char* path, const std::vector<uint8_t>& bytes);

}  // namespace lexo
