#pragma once

#include "geometry.h"
#include "sprite_canvas.h"

namespace lexo {

enum class TrollFace { Grim, Hurt, Dead };

// One pose of the troll, drawn facing right with its feet on y = 70 of a 64-pixel-wide box.
struct TrollPose {
    float bob = 0;        // body height change, pixels (negative is up)
    float nearThigh = 0;  // leg swing from hanging, degrees (positive is forward)
    float nearKnee = 0;   // knee bend, degrees
    float farThigh = 0;
    float farKnee = 0;
    float farArm = 0;  // swing of the free arm, degrees
    bool holdsClub = true;
    TrollFace face = TrollFace::Grim;
    float flash = 0;  // 0 … 1: how far the colours are washed toward white
    float dim = 0;    // 0 … 1: how far the colours are dulled, for a corpse
};

void DrawTroll(SpriteCanvas& canvas, const TrollPose& pose);

// The club on its own, lying where it fell.
void DrawTrollClub(SpriteCanvas& canvas, Vec2 grip, Vec2 head, float dim);

}  // namespace lexo
