#pragma once

#include <cstdint>

namespace lexo {

// SplitMix64: tiny, fast and the same on every platform and library, so the content comes out
// byte for byte the same wherever it is made.
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    float Unit() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ULL << 24); }

    float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }

  private:
    uint64_t state_;
};

// Smooth value noise over the plane, about one feature per `scale` pixels, in [0, 1].
float ValueNoise(uint64_t seed, float x, float y, float scale);

// Several octaves of value noise, in [0, 1].
float FractalNoise(uint64_t seed, float x, float y, float scale, int octaves);

}  // namespace lexo
