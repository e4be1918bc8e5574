#include "blend.h"

#ifdef __SSE2__
#include <immintrin.h>
#endif

namespace lexo {
namespace {

// x / 255 rounded, for two 8-bit lanes of products at once (bits 0-15 and 16-31), each at most
// 255 * 255: (x + 128 + ((x + 128) >> 8)) >> 8, and no lane carries into the next. The wide
// versions get the same from one high multiply: (t + (t >> 8)) >> 8 == (t * 257) >> 16 for any
// 16-bit t.
inline uint32_t DivideLanes(uint32_t lanes) {
    lanes += 0x00800080;
    return ((lanes + ((lanes >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

inline Pixel Keyed(Pixel p, Pixel d) { return IsOpaque(p) ? p : d; }

using RowFn = void (*)(Pixel*, const Pixel*, size_t);

// Every row operation lays each frame pixel from its own source pixel and its own old value:
// dst[i] = op(src[i], dst[i]).
template <Pixel (*Op)(Pixel, Pixel)>
void PlainRow(Pixel* dst, const Pixel* src, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = Op(src[i], dst[i]);
}

#ifdef __SSE2__
// The wide versions lay whole vectors. A row's last few pixels are laid as one more vector
// ending at the row's end, overlapping the one before; it is computed from the frame pixels as
// they were before the row was laid, so the pixels laid twice get the same value both times.
// Rows shorter than a vector go to the next narrower version.

inline __m128i Load4(const Pixel* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

template <__m128i (*Op)(__m128i, __m128i), RowFn Shorter>
void Row4(Pixel* dst, const Pixel* src, size_t count) {
    if (count < 4) {
        Shorter(dst, src, count);
        return;
    }
    const __m128i last = Op(Load4(src + count - 4), Load4(dst + count - 4));
    for (size_t i = 0; i + 4 < count; i += 4) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), Op(Load4(src + i), Load4(dst + i)));
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + count - 4), last);
}

__attribute__((target("avx2"))) inline __m256i Load8(const Pixel* at) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

template <__m256i (*Op)(__m256i, __m256i), RowFn Shorter>
__attribute__((target("avx2"))) void Row8(Pixel* dst, const Pixel* src, size_t count) {
    if (count < 8) {
        Shorter(dst, src, count);
        return;
    }
    const __m256i last = Op(Load8(src + count - 8), Load8(dst + count - 8));
    for (size_t i = 0; i + 8 < count; i += 8) {
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i),
                            Op(Load8(src + i), Load8(dst + i)));
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + count - 8), last);
}

inline __m128i Blend4(__m128i p, __m128i d) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi32(255);
    const __m128i half = _mm_set1_epi16(128);
    const __m128i by257 = _mm_set1_epi16(257);
    auto scaled = [&](__m128i channels, __m128i keep) {
        return _mm_mulhi_epu16(_mm_add_epi16(_mm_mullo_epi16(channels, keep), half), by257);
    };
    // 255 - A of each pixel, repeated over its four channels.
    const __m128i keep = _mm_sub_epi32(full, _mm_srli_epi32(p, 24));
    const __m128i keepPairs = _mm_packs_epi32(keep, keep);
    const __m128i keepTwice = _mm_unpacklo_epi16(keepPairs, keepPairs);
    const __m128i low =
        scaled(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi32(keepTwice, keepTwice));
    const __m128i high =
        scaled(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi32(keepTwice, keepTwice));
    const __m128i laid = _mm_add_epi8(p, _mm_packus_epi16(low, high));
    return _mm_or_si128(laid, _mm_set1_epi32(static_cast<int>(kOpaque)));
}

__attribute__((target("avx2"))) inline __m256i Blend8(__m256i p, __m256i d) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i half = _mm256_set1_epi16(128);
    const __m256i by257 = _mm256_set1_epi16(257);
    // The alpha byte of pixels 0 and 1 (and of 2 and 3) of each 128-bit half, into the four
    // 16-bit channels of each; taken from the inverted pixels, it is 255 - A.
    const __m256i lowAlpha =
        _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1, 3, -1, 3, -1, 3,
                         -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    const __m256i highAlpha =
        _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1, 11, -1, 11,
                         -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    const __m256i inverted = _mm256_xor_si256(p, _mm256_set1_epi32(-1));
    __m256i low =
        _mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero), _mm256_shuffle_epi8(inverted, lowAlpha));
    __m256i high =
        _mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero), _mm256_shuffle_epi8(inverted, highAlpha));
    low = _mm256_mulhi_epu16(_mm256_add_epi16(low, half), by257);
    high = _mm256_mulhi_epu16(_mm256_add_epi16(high, half), by257);
    const __m256i laid = _mm256_add_epi8(p, _mm256_packus_epi16(low, high));
    return _mm256_or_si256(laid, _mm256_set1_epi32(static_cast<int>(kOpaque)));
}

// The top bit of A tells an opaque pixel (A = 255) from a keyed-out one (A = 0).
inline __m128i Keyed4(__m128i p, __m128i d) {
    const __m128i opaque = _mm_srai_epi32(p, 31);
    return _mm_or_si128(_mm_and_si128(opaque, p), _mm_andnot_si128(opaque, d));
}

__attribute__((target("avx2"))) inline __m256i Keyed8(__m256i p, __m256i d) {
    return _mm256_castps_si256(
        _mm256_blendv_ps(_mm256_castsi256_ps(d), _mm256_castsi256_ps(p), _mm256_castsi256_ps(p)));
}
#endif

// One row operation in every version.
struct RowVersions {
    RowFn plain;
    RowFn portable;  // what every x86-64 processor runs
    RowFn best;      // the widest this processor runs

    void Lay(Pixel* dst, const Pixel* src, size_t count, BlendPath path) const {
        switch (path) {
            case BlendPath::Best: return best(dst, src, count);
            case BlendPath::Portable: return portable(dst, src, count);
            case BlendPath::Plain: return plain(dst, src, count);
        }
    }
};

#ifdef __SSE2__
template <Pixel (*Op)(Pixel, Pixel), __m128i (*Op4)(__m128i, __m128i),
          __m256i (*Op8)(__m256i, __m256i)>
RowVersions Versions() {
    constexpr RowFn plain = PlainRow<Op>;
    constexpr RowFn portable = Row4<Op4, plain>;
    return {plain, portable, __builtin_cpu_supports("avx2") ? Row8<Op8, portable> : portable};
}

const RowVersions kBlendRow = Versions<BlendPremultiplied, Blend4, Blend8>();
const RowVersions kKeyedRow = Versions<Keyed, Keyed4, Keyed8>();
#else
const RowVersions kBlendRow{PlainRow<BlendPremultiplied>, PlainRow<BlendPremultiplied>,
                            PlainRow<BlendPremultiplied>};
const RowVersions kKeyedRow{PlainRow<Keyed>, PlainRow<Keyed>, PlainRow<Keyed>};
#endif

}  // namespace

Pixel Premultiplied(Pixel colour, uint32_t w) {
    const uint32_t rb = DivideLanes((colour & 0x00FF00FF) * w);
    const uint32_t g = DivideLanes((colour >> 8 & 0xFF) * w);
    return w << 24 | rb | g << 8;
}

Pixel Over(Pixel p, Pixel d) {
    const uint32_t keep = 255 - (p >> 24);
    const uint32_t rb = DivideLanes((d & 0x00FF00FF) * keep);
    const uint32_t ag = DivideLanes((d >> 8 & 0x00FF00FF) * keep);
    return p + (rb | ag << 8);
}

void BlendRow(Pixel* dst, const Pixel* src, size_t count, BlendPath path) {
    kBlendRow.Lay(dst, src, count, path);
}

void LayKeyedRow(Pixel* dst, const Pixel* src, size_t count, BlendPath path) {
    kKeyedRow.Lay(dst, src, count, path);
}

RowFunction BestBlendRow() { return kBlendRow.best; }

RowFunction BestKeyedRow() { return kKeyedRow.best; }

}  // namespace lexo
