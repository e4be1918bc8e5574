#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lexo {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

// The engine treats this colour as transparent on every sprite sheet.
constexpr Rgb kKeyColour{0, 0, 255};

Rgb Scale(Rgb colour, float factor);
Rgb Mix(Rgb from, Rgb to, float t);

// A plain 24-bit picture, rows top to bottom.
class Image {
  public:
    Image(int width, int height, Rgb fill = kKeyColour);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Copies `source` with its top-left corner at (x, y), leaving out key-coloured pixels.
    void Paste(const Image& source, int x, int y);

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// A picture with coverage, for icons: 8-bit red, green, blue, alpha per pixel, rows top to
// bottom, colours not premultiplied.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

}  // namespace lexo
