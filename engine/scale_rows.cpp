#include "scale_rows.h"

namespace lexo {

void ScaleAcross(Pixel* dst, const Pixel* src, const int32_t* index, const int32_t* next,
                 const uint16_t* weight, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = Lerp(src[index[i]], src[next[i]], weight[i]);
}

void BlendDown(Pixel* dst, const Pixel* top, const Pixel* bottom, uint32_t weight, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = Lerp(top[i], bottom[i], weight);
}

}  // namespace lexo
