#include "background.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry.h"
#include "random.h"

namespace lexo {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 512;
constexpr uint64_t kSeed = 0x1E40D40ULL;

struct Colour {
    float r, g, b;
};

Colour Blend(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// The middle of the player's figure, where the paths meet.
constexpr Vec2 kCentre{439.0f, 246.0f};

// How much of a worn path or the clearing lies under a point, 0 … 1.
float Wear(Vec2 p) {
    const float wobble = (FractalNoise(kSeed + 11, p.x, p.y, 60.0f, 3) - 0.5f) * 26.0f;
    const float dx = (p.x - kCentre.x) / 128.0f;
    const float dy = (p.y - kCentre.y) / 84.0f;
    const float clearing = 1.0f - (std::sqrt(dx * dx + dy * dy) * 128.0f + wobble - 108.0f) / 14.0f;
    float wear = std::clamp(clearing, 0.0f, 1.0f);
    // Paths from the left, the right and the top of the field, where the monsters come from.
    const Vec2 ends[] = {{-20.0f, 300.0f}, {820.0f, 180.0f}, {260.0f, -20.0f}, {700.0f, 540.0f}};
    for (const Vec2& end : ends) {
        const Vec2 ab = kCentre - end;
        const float t = Dot(p - end, ab) / Dot(ab, ab);
        if (t <= 0.0f || t >= 1.0f) {
            continue;
        }
        // The paths meander: their centre line drifts sideways, most in the middle.
        const float drift =
            (FractalNoise(kSeed + 12, p.x, p.y, 150.0f, 2) - 0.5f) * 110.0f * t * (1.0f - t);
        const Vec2 rel = p - end;
        const float side = (rel.x * ab.y - rel.y * ab.x) / Length(ab);
        const float off = std::abs(side + drift + wobble * 0.3f);
        wear = std::max(wear, 0.5f * std::clamp(1.0f - (off - 8.0f) / 6.0f, 0.0f, 1.0f));
    }
    return wear;
}

class Painting {
  public:
    Painting() : pixels_(static_cast<size_t>(kWidth) * kHeight) {}

    Colour& At(int x, int y) { return pixels_[static_cast<size_t>(y) * kWidth + x]; }

    void Put(int x, int y, Colour c, float alpha) {
        if (x < 0 || y < 0 || x >= kWidth || y >= kHeight || alpha <= 0) {
            return;
        }
        Colour& p = At(x, y);
        p = Blend(p, c, std::min(alpha, 1.0f));
    }

    // A soft round-ended stroke, its edge faded over one pixel.
    void Stroke(Vec2 a, Vec2 b, float radius, Colour c, float alpha) {
        const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - radius - 1));
        const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + radius + 1));
        const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - radius - 1));
        const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + radius + 1));
        const Vec2 ab = b - a;
        const float len2 = std::max(Dot(ab, ab), 1e-6f);
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const Vec2 p{x + 0.5f, y + 0.5f};
                const float t = std::clamp(Dot(p - a, ab) / len2, 0.0f, 1.0f);
                const float d = Length(p - (a + ab * t)) - radius;
                Put(x, y, c, alpha * std::clamp(0.5f - d, 0.0f, 1.0f));
            }
        }
    }

    Image ToImage() const {
        Image image(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const Colour& c = pixels_[static_cast<size_t>(y) * kWidth + x];
                auto channel = [](float v) {
                    return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L));
                };
                image.At(x, y) = {channel(c.r), channel(c.g), channel(c.b)};
            }
        }
        return image;
    }

  private:
    std::vector<Colour> pixels_;
};

void PaintGround(Painting& art) {
    const Colour grassA{178, 206, 122};
    const Colour grassB{196, 214, 132};
    const Colour sand{226, 212, 166};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const float fx = static_cast<float>(x);
            const float fy = static_cast<float>(y);
            Colour c = Blend(grassA, grassB, FractalNoise(kSeed + 1, fx, fy, 160.0f, 3));
            c = Blend(c, sand, Wear({fx, fy}));
            // Fine, low-contrast mottling so the ground does not look painted flat.
            const float grain = (FractalNoise(kSeed + 2, fx, fy, 12.0f, 2) - 0.5f) * 0.07f;
            art.At(x, y) = {c.r * (1 + grain), c.g * (1 + grain), c.b * (1 + grain)};
        }
    }
}

void PaintGrass(Painting& art, Random& random) {
    const Colour dark{130, 168, 84};
    const Colour light{214, 230, 156};
    for (int i = 0; i < 5200; ++i) {
        const Vec2 root{random.Range(0, kWidth), random.Range(0, kHeight + 6)};
        const float wear = Wear(root);
        if (random.Unit() < wear * 1.6f) {
            continue;
        }
        const int blades = 2 + static_cast<int>(random.Unit() * 3);
        for (int b = 0; b < blades; ++b) {
            const float len = random.Range(3.5f, 7.5f);
            const float tilt = random.Range(-35.0f, 35.0f);
            const Vec2 tip = Limb(root + Vec2{random.Range(-2, 2), 0}, len, 180.0f + tilt);
            const bool shade = random.Unit() < 0.6f;
            art.Stroke(root, tip, 0.45f, shade ? dark : light, random.Range(0.25f, 0.45f));
        }
    }
}

void PaintFlowers(Painting& art, Random& random) {
    const Colour petals[] = {{252, 250, 240}, {252, 226, 100}, {244, 178, 196}, {250, 196, 120}};
    for (int i = 0; i < 150; ++i) {
        const Vec2 centre{random.Range(8, kWidth - 8), random.Range(8, kHeight - 8)};
        if (Wear(centre) > 0.2f) {
            continue;
        }
        const Colour petal = petals[random.Next() % 4];
        const int count = 1 + static_cast<int>(random.Unit() * 4);
        for (int f = 0; f < count; ++f) {
            const Vec2 at = centre + Vec2{random.Range(-9, 9), random.Range(-6, 6)};
            art.Stroke(at + Vec2{0, 2.5f}, at + Vec2{0.6f, 6.0f}, 0.4f, {118, 160, 80}, 0.6f);
            for (int p = 0; p < 5; ++p) {
                const float a = Radians(72.0f * static_cast<float>(p));
                art.Stroke(at, at + Vec2{std::cos(a) * 1.6f, std::sin(a) * 1.6f}, 0.9f, petal,
                           0.9f);
            }
            art.Stroke(at, at, 0.7f, {226, 170, 60}, 0.9f);
        }
    }
}

void PaintPebbles(Painting& art, Random& random) {
    for (int i = 0; i < 420; ++i) {
        const Vec2 at{random.Range(0, kWidth), random.Range(0, kHeight)};
        if (Wear(at) < 0.4f) {
            continue;
        }
        const float r = random.Range(0.8f, 2.2f);
        const float tone = random.Range(0.78f, 0.9f);
        art.Stroke(at + Vec2{0.6f, 0.8f}, at + Vec2{0.6f, 0.8f}, r, {150, 136, 104}, 0.35f);
        art.Stroke(at, at, r, {226 * tone, 214 * tone, 184 * tone}, 0.85f);
        art.Stroke(at - Vec2{r * 0.3f, r * 0.3f}, at - Vec2{r * 0.3f, r * 0.3f}, r * 0.4f,
                   {248, 242, 224}, 0.6f);
    }
}

}  // namespace

Image MakeBackground() {
    Painting art;
    Random random(kSeed);
    PaintGround(art);
    PaintPebbles(art, random);
    PaintGrass(art, random);
    PaintFlowers(art, random);
    return art.ToImage();
}

}  // namespace lexo
