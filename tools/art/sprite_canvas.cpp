#include "sprite_canvas.h"

#include <algorithm>
#include <cmath>

namespace lexo {

namespace {

constexpr int kSamples = 4;

Rgb Lit(const Paint& paint, float depth, Vec2 outward) {
    if (paint.roundness <= 0) {
        return paint.fill;
    }
    // Treat the shape as a dome: flat in its middle, turning away toward its rim.
    const float s = std::clamp(1.0f - depth / paint.roundness, 0.0f, 1.0f);
    const float nz = std::sqrt(1.0f - s * s);
    const float nx = outward.x * s;
    const float ny = outward.y * s;
    const float lx = -0.45f;
    const float ly = -0.65f;
    const float lz = 0.62f;
    const float light = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    return Scale(paint.fill, 0.58f + 0.5f * light);
}

}  // namespace

Paint Body(Rgb fill, float roundness) { return {fill, Scale(fill, 0.42f), 1.0f, roundness}; }

Paint Flat(Rgb fill) { return {fill, fill, 0.0f, 0.0f}; }

SpriteCanvas::SpriteCanvas(int width, int height)
    : width_(width),
      height_(height),
      colour_(static_cast<std::size_t>(width) * height * kSamples * kSamples, kKeyColour),
      covered_(colour_.size(), 0) {}

void SpriteCanvas::SetTransform(const Transform& transform) {
    toFrame_ = transform;
    toDrawing_ = transform.Inverse();
}

void SpriteCanvas::Fill(const Shape& shape, const Paint& paint) {
    // The frame-space box of the shape's box corners.
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    const Vec2 corners[] = {shape.boundsMin,
                            {shape.boundsMax.x, shape.boundsMin.y},
                            {shape.boundsMin.x, shape.boundsMax.y},
                            shape.boundsMax};
    for (const Vec2& c : corners) {
        const Vec2 f = toFrame_.Apply(c);
        x0 = std::min(x0, f.x);
        y0 = std::min(y0, f.y);
        x1 = std::max(x1, f.x);
        y1 = std::max(y1, f.y);
    }
    const int sw = width_ * kSamples;
    const int sh = height_ * kSamples;
    const int sx0 = std::max(0, static_cast<int>(std::floor(x0 * kSamples)) - 1);
    const int sy0 = std::max(0, static_cast<int>(std::floor(y0 * kSamples)) - 1);
    const int sx1 = std::min(sw - 1, static_cast<int>(std::ceil(x1 * kSamples)) + 1);
    const int sy1 = std::min(sh - 1, static_cast<int>(std::ceil(y1 * kSamples)) + 1);

    const float h = 0.25f;
    auto distanceAt = [&](Vec2 frame) { return shape.distance(toDrawing_.Apply(frame)); };
    for (int sy = sy0; sy <= sy1; ++sy) {
        for (int sx = sx0; sx <= sx1; ++sx) {
            const Vec2 q{(static_cast<float>(sx) + 0.5f) / kSamples,
                         (static_cast<float>(sy) + 0.5f) / kSamples};
            const float d = distanceAt(q);
            if (d >= 0) {
                continue;
            }
            const size_t index = static_cast<std::size_t>(sy) * sw + sx;
            covered_[index] = 1;
            if (-d < paint.edgeWidth) {
                colour_[index] = paint.edge;
                continue;
            }
            Vec2 outward{distanceAt({q.x + h, q.y}) - distanceAt({q.x - h, q.y}),
                         distanceAt({q.x, q.y + h}) - distanceAt({q.x, q.y - h})};
            const float len = Length(outward);
            outward = len > 1e-6f ? outward * (1.0f / len) : Vec2{};
            colour_[index] = Lit(paint, -d - paint.edgeWidth, outward);
        }
    }
}

SpriteCanvas::Coverage SpriteCanvas::CoverageAt(int x, int y) const {
    Coverage coverage;
    const int sw = width_ * kSamples;
    for (int j = 0; j < kSamples; ++j) {
        for (int i = 0; i < kSamples; ++i) {
            const size_t index =
                static_cast<std::size_t>(y * kSamples + j) * sw + (x * kSamples + i);
            if (covered_[index] != 0) {
                ++coverage.count;
                coverage.r += colour_[index].r;
                coverage.g += colour_[index].g;
                coverage.b += colour_[index].b;
            }
        }
    }
    return coverage;
}

Rgb SpriteCanvas::Coverage::Average() const {
    return {static_cast<uint8_t>(r / count), static_cast<uint8_t>(g / count),
            static_cast<uint8_t>(b / count)};
}

Image SpriteCanvas::Resolve() const {
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Coverage coverage = CoverageAt(x, y);
            if (coverage.count * 2 >= kSamples * kSamples) {
                Rgb pixel = coverage.Average();
                // A visible pixel must never read as transparent.
                if (pixel == kKeyColour) {
                    pixel.b = 254;
                }
                image.At(x, y) = pixel;
            }
        }
    }
    return image;
}

RgbaImage SpriteCanvas::ResolveSmooth() const {
    RgbaImage image{width_, height_, {}};
    image.rgba.reserve(static_cast<std::size_t>(width_) * height_ * 4);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Coverage coverage = CoverageAt(x, y);
            const Rgb pixel = coverage.count > 0 ? coverage.Average() : Rgb{};
            const int alpha = coverage.count * 255 / (kSamples * kSamples);
            image.rgba.insert(image.rgba.end(),
                              {pixel.r, pixel.g, pixel.b, static_cast<uint8_t>(alpha)});
        }
    }
    return image;
}

}  // namespace lexo
