#include "file_bytes.h"

#include <cstdio>

#include "text/file_reader.h"

namespace lexo {

std::optional<std::vector<uint8_t>> ReadFileBytes(const char* path, size_t maxBytes) {
    if (path == nullptr || *path == '\0') return std::nullopt;
    const std::expected<std::string, FileError> text = ReadFile(path, {.limit = maxBytes});
    if (!text) return std::nullopt;
    return std::vector<uint8_t>(text->begin(), text->end());
}

bool WriteFileBytes(const char* path, const std::vector<uint8_t>& bytes) {
    if (path == nullptr || *path == '\0') return false;
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace lexo
