#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Little-endian fields of the file formats: .dft here, BMP in the engine. Readers take an
// offset the caller has already checked against the size of the bytes.
namespace lexo::le {

inline uint16_t U16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline uint32_t U32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

inline int16_t I16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<int16_t>(U16(bytes, at));
}

inline int32_t I32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<int32_t>(U32(bytes, at));
}

inline void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

}  // namespace lexo::le
