#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "pixels.h"

namespace lexo {

// A rectangle of a texture's image: one cell of a sprite sheet, or the whole image.
struct CellRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const CellRect&) const = default;
};

// Opaque pixels of one row of a cell: `length` pixels that land at column x of the cell as
// drawn, stored at `offset` in the cell's pixel store.
struct PixelRun {
    int32_t x = 0;
    int32_t length = 0;
    uint32_t offset = 0;
};

// The opaque pixels of one cell, row by row, as runs ready to be copied in drawing order: for a
// mirrored cell the pixels are stored already reversed, so a mirrored 1:1 draw is also a
// string of plain copies. Keyed-out pixels take no space and no time.
class CellRuns {
  public:
    CellRuns(const Image& image, CellRect cell, bool mirrored);

    std::span<const PixelRun> Row(int y) const {
        return {runs_.data() + rowStart_[y], runs_.data() + rowStart_[y + 1]};
    }
    const Pixel* Data(const PixelRun& run) const { return pixels_.data() + run.offset; }

    // The box around the opaque pixels, relative to the cell's top-left corner as drawn; empty
    // when none is opaque. Only these pixels change when the cell is drawn 1:1.
    const Rect& OpaqueBox() const { return box_; }

  private:
    std::vector<uint32_t> rowStart_;  // runs of row y are [rowStart_[y], rowStart_[y + 1])
    std::vector<PixelRun> runs_;
    std::vector<Pixel> pixels_;
    Rect box_;
};

}  // namespace lexo
