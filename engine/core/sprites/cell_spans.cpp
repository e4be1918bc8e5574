#include "sprites/cell_spans.h"

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
        box_ = box_.Bound({span.x, y, span.x + span.length, y + 1});
    }
}

}  // namespace lexo
