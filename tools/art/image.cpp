#include "image.h"

#include <algorithm>
#include <cmath>

namespace lexo {

namespace {

uint8_t Channel(float value) {
    return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

}  // namespace

Rgb Scale(Rgb colour, float factor) {
    return {Channel(colour.r * factor), Channel(colour.g * factor), Channel(colour.b * factor)};
}

Rgb Mix(Rgb from, Rgb to, float t) {
    return {Channel(from.r + (to.r - from.r) * t), Channel(from.g + (to.g - from.g) * t),
            Channel(from.b + (to.b - from.b) * t)};
}

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Image::Paste(const Image& source, int x, int y) {
    for (int sy = 0; sy < source.Height(); ++sy) {
        for (int sx = 0; sx < source.Width(); ++sx) {
            const int dx = x + sx;
            const int dy = y + sy;
            const Rgb pixel = source.At(sx, sy);
            if (dx < 0 || dy < 0 || dx >= width_ || dy >= height_ || pixel == kKeyColour) {
                continue;
            }
            At(dx, dy) = pixel;
        }
    }
}

}  // namespace lexo
