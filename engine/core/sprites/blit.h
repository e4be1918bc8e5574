#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "pixels.h"
#include "sprites/cell_spans.h"
#include "textures.h"

namespace lexo {

// Where a picture lands on the frame: top-left corner and size as drawn.
struct Placement {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool mirrored = false;
};

// Cell `frame` (from 1) of a sheet of columns x rows cells of (width / columns) x
// (height / rows) pixels: cell ((frame - 1) mod columns, (frame - 1) div columns). Nothing for
// a frame outside 1 ... columns * rows or a sheet whose cells would be empty.
std::optional<CellRect> SheetCell(const Image& sheet, int32_t columns, int32_t rows, int32_t frame);

// The frame pixels a placement covers, before clipping.
Rect PlacementRect(const Placement& at);

// The spans a draw of the cell is laid from: for a 1:1 draw of a keyed or mirrored cell, null
// for any other.
std::shared_ptr<const CellSpans> SpansToLay(const Texture& texture, const CellRect& cell,
                                            const Placement& at);

// The frame pixels a draw of the cell may change, before clipping: with spans the box around
// their opaque pixels, otherwise the whole placement.
Rect CellBounds(const CellSpans* spans, const Placement& at);

// One cell of a texture drawn stretched (nearest pixel) to the placement, mirrored left-right
// when asked, keyed-out pixels left alone. It is laid in pieces, one clip at a time, with the
// spans SpansToLay gave for it (which must outlive it).
//
// 1:1 draws are the common case and take fast paths: an opaque unmirrored cell is copied row by
// row, any other cell from its cached spans. Stretched draws sample pixel by pixel.
class CellBlit {
  public:
    CellBlit(const Texture& texture, const CellRect& cell, const Placement& at,
             const CellSpans* spans);

    // Changes only canvas pixels inside `clip` (which lies within the canvas).
    void Draw(Image& canvas, const Rect& clip) const;

  private:
    const Texture& texture_;
    CellRect cell_;
    Placement at_;
    const CellSpans* spans_;  // for 1:1 keyed or mirrored cells
};

}  // namespace lexo
