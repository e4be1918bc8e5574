#pragma once

#include <array>

#include "geometry.h"
#include "sprite_canvas.h"

namespace lexo {

enum class BeetleFace { Keen, Hurt, Dead };

// One pose of the beetle, drawn facing right with its feet on y = 46 of a 64 x 48 box.
// Legs 0 … 2 are the near front, middle and back legs, 3 … 5 the far ones.
struct BeetlePose {
    float bob = 0;
    std::array<Vec2, 6> feet{};
    float antennaSwing = 0;  // degrees
    BeetleFace face = BeetleFace::Keen;
    float flash = 0;  // 0 … 1 toward white
    float dim = 0;    // 0 … 1 toward a dull corpse tone
};

// Where each leg meets the body, so poses can place feet relative to it.
Vec2 BeetleHip(int leg, float bob);

void DrawBeetle(SpriteCanvas& canvas, const BeetlePose& pose);

}  // namespace lexo
