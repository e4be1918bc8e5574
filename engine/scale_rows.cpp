#include "scale_rows.h"

#ifdef __SSE2__
#include <immintrin.h>
#endif

namespace lexo {
namespace {

void PlainAcross(Pixel* dst, const Pixel* src, const int32_t* index, const int32_t* next,
                 const uint16_t* weight, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = Lerp(src[index[i]], src[next[i]], weight[i]);
}

void PlainDown(Pixel* dst, const Pixel* top, const Pixel* bottom, uint32_t weight, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = Lerp(top[i], bottom[i], weight);
}

#ifdef __SSE2__
// Eight pixels at once: the channels widened to 16-bit lanes, a * (256 - w) + b * w, the high
// bytes kept. Unpacking works within each 128-bit half, so `low` weights belong to pixels
// 0, 1, 4, 5 and `high` ones to 2, 3, 6, 7, each repeated over its four channels.
__attribute__((target("avx2"))) inline __m256i LerpLanes(__m256i a, __m256i b, __m256i w) {
    const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(256), w);
    return _mm256_srli_epi16(
        _mm256_add_epi16(_mm256_mullo_epi16(a, keep), _mm256_mullo_epi16(b, w)), 8);
}

__attribute__((target("avx2"))) inline __m256i Lerp8(__m256i a, __m256i b, __m256i low,
                                                     __m256i high) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i lo =
        LerpLanes(_mm256_unpacklo_epi8(a, zero), _mm256_unpacklo_epi8(b, zero), low);
    const __m256i hi =
        LerpLanes(_mm256_unpackhi_epi8(a, zero), _mm256_unpackhi_epi8(b, zero), high);
    return _mm256_packus_epi16(lo, hi);
}

__attribute__((target("avx2"))) void WideAcross(Pixel* dst, const Pixel* src,
                                                const int32_t* index, const int32_t* next,
                                                const uint16_t* weight, size_t count) {
    const auto* base = reinterpret_cast<const int*>(src);
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i a = _mm256_i32gather_epi32(
            base, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(index + i)), 4);
        const __m256i b = _mm256_i32gather_epi32(
            base, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(next + i)), 4);
        const __m256i w32 = _mm256_cvtepu16_epi32(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(weight + i)));
        const __m256i w = _mm256_or_si256(w32, _mm256_slli_epi32(w32, 16));
        const __m256i r = Lerp8(a, b, _mm256_unpacklo_epi32(w, w), _mm256_unpackhi_epi32(w, w));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), r);
    }
    PlainAcross(dst + i, src, index + i, next + i, weight + i, count - i);
}

__attribute__((target("avx2"))) void WideDown(Pixel* dst, const Pixel* top, const Pixel* bottom,
                                              uint32_t weight, size_t count) {
    const __m256i w = _mm256_set1_epi16(static_cast<int16_t>(weight));
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), Lerp8(a, b, w, w));
    }
    PlainDown(dst + i, top + i, bottom + i, weight, count - i);
}

const bool kWide = __builtin_cpu_supports("avx2");
#else
constexpr bool kWide = false;
#endif

}  // namespace

void ScaleAcross(Pixel* dst, const Pixel* src, const int32_t* index, const int32_t* next,
                 const uint16_t* weight, size_t count, BlendPath path) {
#ifdef __SSE2__
    if (kWide && path == BlendPath::Best) return WideAcross(dst, src, index, next, weight, count);
#endif
    PlainAcross(dst, src, index, next, weight, count);
}

void BlendDown(Pixel* dst, const Pixel* top, const Pixel* bottom, uint32_t weight, size_t count,
               BlendPath path) {
#ifdef __SSE2__
    if (kWide && path == BlendPath::Best) return WideDown(dst, top, bottom, weight, count);
#endif
    PlainDown(dst, top, bottom, weight, count);
}

}  // namespace lexo
