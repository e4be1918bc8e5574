#pragma once

#include <functional>
#include <vector>

#include "geometry.h"

namespace lexo {

// A filled region given by its signed distance (negative inside, in pixels) and a box that
// holds it, both in drawing coordinates.
struct Shape {
    std::function<float(Vec2)> distance;
    Vec2 boundsMin;
    Vec2 boundsMax;
};

Shape Ellipse(Vec2 centre, float rx, float ry, float degrees = 0);
Shape Circle(Vec2 centre, float r);
// A limb: a segment from a to b, radius ra at a narrowing or widening to rb at b.
Shape Capsule(Vec2 a, Vec2 b, float ra, float rb);
Shape Capsule(Vec2 a, Vec2 b, float r);
Shape Polygon(std::vector<Vec2> points);
Shape Star(Vec2 centre, float outer, float inner, int points, float degrees);
// Several shapes as one, so a limb gets one outline instead of one per segment.
Shape Union(std::vector<Shape> parts);

}  // namespace lexo
