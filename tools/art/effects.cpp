#include "effects.h"

#include <cmath>

namespace lexo {

Rgb Toned(Rgb colour, float flash, float dim) {
    const Rgb dull = Mix(colour, Rgb{120, 116, 104}, dim * 0.5f);
    return Mix(Scale(dull, 1.0f - dim * 0.2f), Rgb{255, 250, 235}, flash);
}

void DrawImpact(SpriteCanvas& canvas, Vec2 centre, float size, float degrees) {
    canvas.Fill(Star(centre, size, size * 0.45f, 8, degrees),
                Paint{{255, 208, 90}, {232, 120, 40}, 1.0f, 0});
    canvas.Fill(Star(centre, size * 0.7f, size * 0.32f, 8, degrees + 22.5f), Flat({255, 238, 160}));
    canvas.Fill(Circle(centre, size * 0.26f), Flat({255, 255, 240}));
}

void DrawDust(SpriteCanvas& canvas, Vec2 ground, float spread, float size) {
    const Paint dust{{214, 200, 170}, {168, 150, 118}, 1.0f, size * 0.6f};
    const float offsets[] = {-1.0f, -0.45f, 0.2f, 0.8f};
    const float scales[] = {0.7f, 1.0f, 0.85f, 0.6f};
    for (int i = 0; i < 4; ++i) {
        const float r = size * scales[i];
        canvas.Fill(Circle({ground.x + offsets[i] * spread, ground.y - r * 0.8f}, r), dust);
    }
}

void DrawDazeStars(SpriteCanvas& canvas, Vec2 centre, float radius, float degrees) {
    for (int i = 0; i < 3; ++i) {
        const float a = Radians(degrees + 120.0f * static_cast<float>(i));
        const Vec2 at{centre.x + std::cos(a) * radius, centre.y + std::sin(a) * radius * 0.4f};
        canvas.Fill(Star(at, 3.2f, 1.4f, 5, degrees),
                    Paint{{255, 226, 90}, {196, 140, 30}, 0.8f, 0});
    }
}

}  // namespace lexo
