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

#ifdef __SSE2__
// Eight pixels at once: each channel of a beside the same of b, multiplied by their weights
// (128 - w, w) and summed in a 16-bit lane, then divided by 128. Interleaving works within
// each 128-bit half, so `low` weights belong to pixels 0, 1, 4, 5 and `high` ones to 2, 3,
// 6, 7, each pair of weights repeated over the pixel's four channels.
__attribute__((target("avx2"))) inline __m256i Lerp8(__m256i a, __m256i b, __m256i low,
                                                     __m256i high) {
    const __m256i lo = _mm256_srli_epi16(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(a, b), low), 7);
    const __m256i hi = _mm256_srli_epi16(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(a, b), high), 7);
    return _mm256_packus_epi16(lo, hi);
}

// The byte pair (128 - w, w) of each of eight weights, twice in each 32-bit lane.
__attribute__((target("avx2"))) inline __m256i WeightPairs(const uint16_t* weight) {
    const __m256i w =
        _mm256_cvtepu16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(weight)));
    const __m256i pair =
        _mm256_or_si256(_mm256_sub_epi32(_mm256_set1_epi32(kLerpOne), w), _mm256_slli_epi32(w, 8));
    return _mm256_or_si256(pair, _mm256_slli_epi32(pair, 16));
}

// Eight source pixels from `at` on, picked by the eight indices (less than 8) from there.
__attribute__((target("avx2"))) inline __m256i Pick8(__m256i source, const int32_t* indices,
                                                     int32_t from) {
    const __m256i at = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(indices));
    return _mm256_permutevar8x32_epi32(source, _mm256_sub_epi32(at, _mm256_set1_epi32(from)));
}

__attribute__((target("avx2"))) void WideAcross(Pixel* dst, const Pixel* src, size_t srcWidth,
                                                const int32_t* index, const int32_t* next,
                                                const uint16_t* weight, size_t count) {
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const int32_t from = index[i];
        // Enlarged, eight panel pixels sample fewer than eight scene pixels in a row: one load
        // and two permutes. A gather (much slower) only where they spread wider.
        __m256i a, b;
        if (next[i + 7] - from < 8 && static_cast<size_t>(from) + 8 <= srcWidth) {
            const __m256i source = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + from));
            a = Pick8(source, index + i, from);
            b = Pick8(source, next + i, from);
        } else {
            const auto* base = reinterpret_cast<const int*>(src);
            a = _mm256_i32gather_epi32(
                base, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(index + i)), 4);
            b = _mm256_i32gather_epi32(
                base, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(next + i)), 4);
        }
        const __m256i w = WeightPairs(weight + i);
        const __m256i r = Lerp8(a, b, _mm256_unpacklo_epi32(w, w), _mm256_unpackhi_epi32(w, w));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), r);
    }
    PlainAcross(dst + i, src, index + i, next + i, weight + i, count - i);
}

const bool kWide = __builtin_cpu_supports("avx2");
#else
constexpr bool kWide = false;
#endif

}  // namespace

void ScaleAcross(Pixel* dst, const Pixel* src, size_t srcWidth, const int32_t* index,
                 const int32_t* next, const uint16_t* weight, size_t count, ScalePath path) {
#ifdef __SSE2__
    if (kWide && path == ScalePath::Best) {
        return WideAcross(dst, src, srcWidth, index, next, weight, count);
    }
#endif
    PlainAcross(dst, src, index, next, weight, count);
}

// Lerp channel by channel over the rows' bytes: the products fit 16 bits, so the loop
// vectorises into 16-bit multiplies, which every x86-64 processor has for 8 lanes at once.
void BlendDown(Pixel* dst, const Pixel* top, const Pixel* bottom, uint32_t weight, size_t count) {
    const auto* upper = reinterpret_cast<const uint8_t*>(top);
    const auto* lower = reinterpret_cast<const uint8_t*>(bottom);
    auto* out = reinterpret_cast<uint8_t*>(dst);
    const auto down = static_cast<uint16_t>(weight);
    const auto keep = static_cast<uint16_t>(kLerpOne - weight);
    for (size_t i = 0; i < count * sizeof(Pixel); ++i) {
        out[i] = static_cast<uint8_t>((upper[i] * keep + lower[i] * down) >> 7);
    }
}

}  // namespace lexo
