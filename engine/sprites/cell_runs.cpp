#include "sprites/cell_runs.h"

#include <algorithm>

namespace lexo {

CellRuns::CellRuns(const Image& image, CellRect cell, bool mirrored) {
    rowStart_.reserve(static_cast<size_t>(cell.height) + 1);
    rowStart_.push_back(0);
    std::vector<Pixel> row(static_cast<size_t>(cell.width));
    for (int y = 0; y < cell.height; ++y) {
        const Pixel* src = image.Row(cell.y + y) + cell.x;
        for (int x = 0; x < cell.width; ++x) row[x] = src[mirrored ? cell.width - 1 - x : x];
        int x = 0;
        while (x < cell.width) {
            if (!IsOpaque(row[x])) {
                ++x;
                continue;
            }
            int start = x;
            while (x < cell.width && IsOpaque(row[x])) ++x;
            runs_.push_back({start, x - start, static_cast<uint32_t>(pixels_.size())});
            const Rect run{start, y, x, y + 1};
            box_ = box_.Empty() ? run
                                : Rect{std::min(box_.x0, run.x0), box_.y0,
                                       std::max(box_.x1, run.x1), run.y1};
            pixels_.insert(pixels_.end(), row.begin() + start, row.begin() + x);
        }
        rowStart_.push_back(static_cast<uint32_t>(runs_.size()));
    }
}

}  // namespace lexo
