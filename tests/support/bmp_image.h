#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexo::test {

// A picture as tests see it: 0xRRGGBB pixels, rows top to bottom.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    RgbImage() = default;
    RgbImage(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * h, fill) {}

    uint32_t At(int x, int y) const { return pixels[size_t(y) * width + x]; }
    void Set(int x, int y, uint32_t rgb) { pixels[size_t(y) * width + x] = rgb; }
    void Fill(int x0, int y0, int w, int h, uint32_t rgb);
    // How many pixels have exactly this colour.
    int Count(uint32_t rgb) const;
};

// Reads an uncompressed 24- or 32-bit bitmap, bottom-up or top-down: what the engine's
// PrintScreen writes. Written apart from the engine's own reader on purpose, so a fault the
// engine's writer and reader share cannot hide. Nothing (no value) for anything else.
std::optional<RgbImage> ReadBmp(const std::string& path);

// Writes a 24-bit bottom-up bitmap, the kind the game's art is made of. False on failure.
bool WriteBmp(const std::string& path, const RgbImage& image);

// The bytes of such a bitmap, for tests that damage them on purpose.
std::vector<uint8_t> EncodeBmp(const RgbImage& image);

}  // namespace lexo::test
