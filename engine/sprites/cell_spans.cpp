#include "sprites/cell_spans.h"

#include <algorithm>
#include <vector>

namespace lexo {

CellSpans::CellSpans(const Image& image, CellRect cell, bool mirrored) {
    std::vector<Pixel> row(static_cast<size_t>(cell.width));
    for (int y = 0; y < cell.height; ++y) {
        const Pixel* src = image.Row(cell.y + y) + cell.x;
        for (int x = 0; x < cell.width; ++x) {
            const Pixel p = src[mirrored ? cell.width - 1 - x : x];
            row[static_cast<size_t>(x)] = IsOpaque(p) ? p : 0;
        }
        rows_.AddRow(row.data(), cell.width);
        const RowSpan& span = rows_.Row(y);
        if (span.length == 0) continue;
        const Rect shown{span.x, y, span.x + span.length, y + 1};
        box_ = box_.Empty() ? shown
                            : Rect{std::min(box_.x0, shown.x0), box_.y0,
                                   std::max(box_.x1, shown.x1), shown.y1};
    }
}

}  // namespace lexo
