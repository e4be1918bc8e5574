#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace lexo {

Shape Ellipse(Vec2 centre, float rx, float ry, float degrees) {
    const float s = std::sin(Radians(degrees));
    const float k = std::cos(Radians(degrees));
    const float reach = std::max(rx, ry);
    return {[=](Vec2 p) {
                const Vec2 q = p - centre;
                const Vec2 local{k * q.x + s * q.y, -s * q.x + k * q.y};
                const float k0 = Length({local.x / rx, local.y / ry});
                const float k1 = Length({local.x / (rx * rx), local.y / (ry * ry)});
                // Near the centre the estimate divides by almost nothing; any inside value does.
                if (k1 < 1e-6f) {
                    return -std::min(rx, ry);
                }
                return k0 * (k0 - 1.0f) / k1;
            },
            {centre.x - reach, centre.y - reach},
            {centre.x + reach, centre.y + reach}};
}

Shape Circle(Vec2 centre, float r) { return Ellipse(centre, r, r); }

Shape Capsule(Vec2 a, Vec2 b, float ra, float rb) {
    const float reach = std::max(ra, rb);
    return {[=](Vec2 p) {
                const Vec2 ab = b - a;
                const float len2 = std::max(Dot(ab, ab), 1e-6f);
                const float t = std::clamp(Dot(p - a, ab) / len2, 0.0f, 1.0f);
                return Length(p - (a + ab * t)) - (ra + (rb - ra) * t);
            },
            {std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach},
            {std::max(a.x, b.x) + reach, std::max(a.y, b.y) + reach}};
}

Shape Capsule(Vec2 a, Vec2 b, float r) { return Capsule(a, b, r, r); }

Shape Polygon(std::vector<Vec2> points) {
    Vec2 lo = points.front();
    Vec2 hi = points.front();
    for (const Vec2& p : points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
    }
    return {[points = std::move(points)](Vec2 p) {
                float nearest = Dot(p - points[0], p - points[0]);
                bool inside = false;
                const size_t n = points.size();
                for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
                    const Vec2 e = points[j] - points[i];
                    const Vec2 w = p - points[i];
                    const float t = std::clamp(Dot(w, e) / std::max(Dot(e, e), 1e-6f), 0.0f, 1.0f);
                    const Vec2 off = w - e * t;
                    nearest = std::min(nearest, Dot(off, off));
                    // Winding parity: an edge crossing the horizontal through p on the
                    // correct side flips inside and outside.
                    const bool c1 = p.y >= points[i].y;
                    const bool c2 = p.y < points[j].y;
                    const bool c3 = e.x * w.y > e.y * w.x;
                    if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) {
                        inside = !inside;
                    }
                }
                const float d = std::sqrt(nearest);
                return inside ? -d : d;
            },
            lo, hi};
}

Shape Star(Vec2 centre, float outer, float inner, int points, float degrees) {
    std::vector<Vec2> corners;
    for (int i = 0; i < points * 2; ++i) {
        const float r = i % 2 == 0 ? outer : inner;
        const float a = Radians(degrees) + kPi * static_cast<float>(i) / static_cast<float>(points);
        corners.push_back({centre.x + std::sin(a) * r, centre.y - std::cos(a) * r});
    }
    return Polygon(std::move(corners));
}

Shape Union(std::vector<Shape> parts) {
    Vec2 lo = parts.front().boundsMin;
    Vec2 hi = parts.front().boundsMax;
    for (const Shape& part : parts) {
        lo = {std::min(lo.x, part.boundsMin.x), std::min(lo.y, part.boundsMin.y)};
        hi = {std::max(hi.x, part.boundsMax.x), std::max(hi.y, part.boundsMax.y)};
    }
    return {[parts = std::move(parts)](Vec2 p) {
                float d = parts.front().distance(p);
                for (size_t i = 1; i < parts.size(); ++i) {
                    d = std::min(d, parts[i].distance(p));
                }
                return d;
            },
            lo, hi};
}

}  // namespace lexo
