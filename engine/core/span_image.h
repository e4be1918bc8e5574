#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pixels.h"

namespace lexo {

// One row of a span image: `length` pixels from column x, stored at `offset`.
struct RowSpan {
    int32_t x = 0;
    int32_t length = 0;
    uint32_t offset = 0;
};

// A picture kept as one span per row, from the first pixel that shows (is not zero) to the
// last; those in between are kept as they are, zero or not. Laying a row is then one pass of
// whole vectors over the frame, with no branch for each stretch of pixels that shows.
class SpanImage {
  public:
    // Adds the next row, `width` pixels.
    void AddRow(const Pixel* row, int32_t width);

    int32_t Height() const { return static_cast<int32_t>(rows_.size()); }
    const RowSpan& Row(int32_t y) const { return rows_[static_cast<size_t>(y)]; }
    // Pixels kept, over all rows.
    size_t PixelCount() const { return pixels_.size(); }

    // Lays the rows with the picture's top-left at left, top, changing only pixels inside
    // `clip`: layRow(frame pixels, span pixels, count) for the part of each row inside it.
    template <typename LayRow>
    void Lay(Image& canvas, const Rect& clip, int64_t left, int64_t top, LayRow layRow) const {
        const int64_t y0 = std::max(top, clip.y0);
        const int64_t y1 = std::min(top + Height(), clip.y1);
        for (int64_t y = y0; y < y1; ++y) {
            const RowSpan& row = rows_[static_cast<size_t>(y - top)];
            const int64_t start = left + row.x;
            const int64_t from = std::max(start, clip.x0);
            const int64_t to = std::min(start + row.length, clip.x1);
            if (from >= to) continue;
            layRow(canvas.Row(static_cast<int>(y)) + from,
                   pixels_.data() + row.offset + (from - start), static_cast<size_t>(to - from));
        }
    }

  private:
    std::vector<RowSpan> rows_;
    std::vector<Pixel> pixels_;
};

}  // namespace lexo
