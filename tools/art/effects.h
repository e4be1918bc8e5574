#pragma once

#include "geometry.h"
#include "sprite_canvas.h"

namespace lexo {

// A colour as a pose shows it: `flash` 0 … 1 washes it toward white when hit, `dim` 0 … 1
// dulls it toward a corpse's grey.
Rgb Toned(Rgb colour, float flash, float dim);

// A bright star where a shot lands; `size` is the outer radius in pixels.
void DrawImpact(SpriteCanvas& canvas, Vec2 centre, float size, float degrees);

// Puffs of dust kicked up by a fall; `spread` is the half-width of the cloud.
void DrawDust(SpriteCanvas& canvas, Vec2 ground, float spread, float size);

// A ring of little stars over a knocked-out head.
void DrawDazeStars(SpriteCanvas& canvas, Vec2 centre, float radius, float degrees);

}  // namespace lexo
