#pragma once

#include <cstdint>
#include <optional>

#include "pixels.h"
#include "sprites/cell_runs.h"
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

// Draws one cell of a texture stretched (nearest pixel) to the placement, mirrored left-right
// when asked, keyed-out pixels left alone, changing only canvas pixels inside `clip` (which
// lies within the canvas).
//
// 1:1 draws are the common case and take fast paths: an opaque unmirrored cell is copied row by
// row, any other cell as its cached opaque runs. Stretched draws sample pixel by pixel.
void DrawCell(Image& canvas, const Rect& clip, const Texture& texture, const CellRect& cell,
              const Placement& at);

}  // namespace lexo
