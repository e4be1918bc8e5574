#pragma once

#include "pixels.h"
#include "span_image.h"

namespace lexo {

// A rectangle of a texture's image: one cell of a sprite sheet, or the whole image.
struct CellRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const CellRect&) const = default;
};

// One cell as a 1:1 draw lays it: a span image whose keyed-out pixels are zero. For a mirrored
// cell the pixels are stored already reversed, so a mirrored draw is laid like any other.
class CellSpans {
  public:
    CellSpans(const Image& image, CellRect cell, bool mirrored);

    const SpanImage& Rows() const { return rows_; }

    // The box around the opaque pixels, relative to the cell's top-left corner as drawn; empty
    // when none is opaque. Only these pixels change when the cell is drawn 1:1.
    const Rect& OpaqueBox() const { return box_; }

  private:
    SpanImage rows_;
    Rect box_;
};

}  // namespace lexo
