#pragma once

#include <algorithm>
#include <cmath>

namespace lexo {

constexpr float kPi = 3.14159265358979f;

struct Vec2 {
    float x = 0;
    float y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }
inline float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline float Length(Vec2 a) { return std::sqrt(Dot(a, a)); }
inline Vec2 Lerp(Vec2 a, Vec2 b, float t) { return a + (b - a) * t; }

inline float Radians(float degrees) { return degrees * kPi / 180.0f; }

// The point at `length` from `origin` in direction `degrees`, measured from straight down and
// turning toward +x: limbs are posed by how far they swing away from hanging.
inline Vec2 Limb(Vec2 origin, float length, float degrees) {
    const float a = Radians(degrees);
    return {origin.x + std::sin(a) * length, origin.y + std::cos(a) * length};
}

// An affine map from drawing coordinates to frame coordinates. Only rigid maps (rotation,
// reflection, translation) and uniform scales are built, so a distance measured in drawing
// coordinates keeps its meaning, in drawing units, after the map.
struct Transform {
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    Vec2 Apply(Vec2 p) const { return {a * p.x + b * p.y + tx, c * p.x + d * p.y + ty}; }

    Transform Inverse() const {
        const float det = a * d - b * c;
        Transform r;
        r.a = d / det;
        r.b = -b / det;
        r.c = -c / det;
        r.d = a / det;
        r.tx = -(r.a * tx + r.b * ty);
        r.ty = -(r.c * tx + r.d * ty);
        return r;
    }

    // This map applied after `first`.
    Transform After(const Transform& first) const {
        Transform r;
        r.a = a * first.a + b * first.c;
        r.b = a * first.b + b * first.d;
        r.c = c * first.a + d * first.c;
        r.d = c * first.b + d * first.d;
        r.tx = a * first.tx + b * first.ty + tx;
        r.ty = c * first.tx + d * first.ty + ty;
        return r;
    }

    static Transform Translation(Vec2 offset) { return {1, 0, 0, 1, offset.x, offset.y}; }

    // Enlarges by k around the origin, as when a sprite is drawn at an icon's size.
    static Transform Scaling(float k) { return {k, 0, 0, k, 0, 0}; }

    // Turns clockwise on screen (y grows downward) by `degrees` around `pivot`.
    static Transform Rotation(Vec2 pivot, float degrees) {
        const float s = std::sin(Radians(degrees));
        const float k = std::cos(Radians(degrees));
        Transform r{k, -s, s, k, 0, 0};
        r.tx = pivot.x - (r.a * pivot.x + r.b * pivot.y);
        r.ty = pivot.y - (r.c * pivot.x + r.d * pivot.y);
        return r;
    }

    // Reflects left-right about the vertical line x = axis.
    static Transform MirrorX(float axis) { return {-1, 0, 0, 1, 2 * axis, 0}; }

    // Reflects top-bottom about the horizontal line y = axis.
    static Transform MirrorY(float axis) { return {1, 0, 0, -1, 0, 2 * axis}; }
};

}  // namespace lexo
