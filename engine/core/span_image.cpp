#include "span_image.h"

namespace lexo {

void SpanImage::AddRow(const Pixel* row, int32_t width) {
    int32_t first = 0;
    int32_t last = width;
    while (first < last && row[first] == 0) ++first;
    while (last > first && row[last - 1] == 0) --last;
    rows_.push_back({first, last - first, static_cast<uint32_t>(pixels_.size())});
    pixels_.insert(pixels_.end(), row + first, row + last);
}

}  // namespace lexo
