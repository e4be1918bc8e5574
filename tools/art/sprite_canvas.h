#pragma once

#include <cstdint>
#include <vector>

#include "geometry.h"
#include "image.h"
#include "shapes.h"

namespace lexo {

// How a shape is coloured: a fill lit from the upper left as if the shape were a rounded
// body `roundness` pixels deep (0 paints it flat), inside an edge band of `edgeWidth` pixels.
struct Paint {
    Rgb fill;
    Rgb edge;
    float edgeWidth = 1.0f;
    float roundness = 4.0f;
};

// A fill with a darker edge of the same hue, the usual look of a sprite part.
Paint Body(Rgb fill, float roundness = 4.0f);
// A flat fill without an edge, for glows, highlights and small details.
Paint Flat(Rgb fill);

// One sprite frame, painted at several samples per pixel and reduced to hard-edged pixels:
// a pixel is either opaque or the key colour, never a blend with it, so no blue fringe shows
// around a figure.
class SpriteCanvas {
  public:
    SpriteCanvas(int width, int height);

    // Maps the coordinates of later shapes onto the frame; rigid maps and uniform scales only.
    void SetTransform(const Transform& transform);
    void ResetTransform() { SetTransform(Transform{}); }

    void Fill(const Shape& shape, const Paint& paint);

    // Each pixel covered by at least half its samples becomes their average colour.
    Image Resolve() const;
    // Each pixel as the average colour of its covered samples, as opaque as it is covered:
    // smooth edges for pictures shown outside the game.
    RgbaImage ResolveSmooth() const;

  private:
    // The samples of one pixel that shapes cover, and their summed colour.
    struct Coverage {
        int count = 0;
        int r = 0;
        int g = 0;
        int b = 0;
        Rgb Average() const;
    };
    Coverage CoverageAt(int x, int y) const;

    int width_;
    int height_;
    Transform toDrawing_;
    Transform toFrame_;
    std::vector<Rgb> colour_;
    std::vector<uint8_t> covered_;
};

}  // namespace lexo
