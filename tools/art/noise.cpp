#include <cmath>

#include "random.h"

namespace lexo {

namespace {

float Lattice(uint64_t seed, int64_t ix, int64_t iy) {
    Random r(seed ^ (static_cast<uint64_t>(ix) * 0x8DA6B343ULL) ^
             (static_cast<uint64_t>(iy) * 0xD8163841ULL));
    return r.Unit();
}

float Smooth(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float ValueNoise(uint64_t seed, float x, float y, float scale) {
    const float fx = x / scale;
    const float fy = y / scale;
    const float x0 = std::floor(fx);
    const float y0 = std::floor(fy);
    const auto ix = static_cast<int64_t>(x0);
    const auto iy = static_cast<int64_t>(y0);
    const float tx = Smooth(fx - x0);
    const float ty = Smooth(fy - y0);
    const float top =
        Lattice(seed, ix, iy) + (Lattice(seed, ix + 1, iy) - Lattice(seed, ix, iy)) * tx;
    const float bottom = Lattice(seed, ix, iy + 1) +
                         (Lattice(seed, ix + 1, iy + 1) - Lattice(seed, ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

float FractalNoise(uint64_t seed, float x, float y, float scale, int octaves) {
    float sum = 0;
    float weight = 1;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(seed + static_cast<uint64_t>(i), x, y, scale) * weight;
        total += weight;
        weight *= 0.5f;
        scale *= 0.5f;
    }
    return sum / total;
}

}  // namespace lexo
