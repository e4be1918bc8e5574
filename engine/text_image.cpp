#include "text_image.h"

#include <algorithm>

#ifdef __SSE2__
#include <immintrin.h>
#endif

namespace lexo {
namespace {

inline uint32_t Weight(uint32_t cover, uint32_t alpha) {
    return alpha == 255 ? cover : (cover * alpha + 127) / 255;
}

// x / 255 rounded, for two 8-bit lanes of products at once (bits 0-15 and 16-31), each at most
// 255 * 255: (x + 128 + ((x + 128) >> 8)) >> 8, and no lane carries into the next.
inline uint32_t DivideLanes(uint32_t lanes) {
    lanes += 0x00800080;
    return ((lanes + ((lanes >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
}

// p + d * (255 - A) / 255 on all four channels: p premultiplied with alpha A.
inline Pixel Over(Pixel p, Pixel d) {
    const uint32_t keep = 255 - (p >> 24);
    uint32_t rb = DivideLanes((d & 0x00FF00FF) * keep);
    uint32_t ag = DivideLanes((d >> 8 & 0x00FF00FF) * keep);
    return p + (rb | ag << 8);
}

inline Pixel Premultiplied(Pixel colour, uint32_t w) {
    uint32_t rb = DivideLanes((colour & 0x00FF00FF) * w);
    uint32_t g = DivideLanes((colour >> 8 & 0xFF) * w);
    return w << 24 | rb | g << 8;
}

// Over() on `count` pixels: dst[i] = Over(src[i], dst[i]), opaque. The wide versions below do
// the same arithmetic on several pixels at once, each channel widened to 16 bits, and leave the
// last few pixels to this one.
void LayRowPlain(Pixel* dst, const Pixel* src, size_t count) {
    for (size_t i = 0; i < count; ++i) dst[i] = Over(src[i], dst[i]) | kOpaque;
}

#ifdef __SSE2__
void LayRowSse2(Pixel* dst, const Pixel* src, size_t count) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i full = _mm_set1_epi32(255);
    const __m128i half = _mm_set1_epi16(128);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    auto scaled = [&](__m128i channels, __m128i keep) {
        __m128i x = _mm_add_epi16(_mm_mullo_epi16(channels, keep), half);
        return _mm_srli_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), 8);
    };
    size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        // 255 - A of each pixel, repeated over its four channels.
        const __m128i keep = _mm_sub_epi32(full, _mm_srli_epi32(p, 24));
        const __m128i keepPairs = _mm_packs_epi32(keep, keep);
        const __m128i keepTwice = _mm_unpacklo_epi16(keepPairs, keepPairs);
        const __m128i low =
            scaled(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi32(keepTwice, keepTwice));
        const __m128i high =
            scaled(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi32(keepTwice, keepTwice));
        const __m128i laid = _mm_add_epi8(p, _mm_packus_epi16(low, high));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(laid, opaque));
    }
    LayRowPlain(dst + i, src + i, count - i);
}

__attribute__((target("avx2"))) void LayRowAvx2(Pixel* dst, const Pixel* src, size_t count) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i full = _mm256_set1_epi16(255);
    const __m256i half = _mm256_set1_epi16(128);
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    // The alpha byte of pixels 0 and 1 (and of 2 and 3) of each 128-bit half, into the four
    // 16-bit channels of each.
    const __m256i lowAlpha =
        _mm256_setr_epi8(3, -1, 3, -1, 3, -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1, 3, -1, 3, -1, 3,
                         -1, 3, -1, 7, -1, 7, -1, 7, -1, 7, -1);
    const __m256i highAlpha =
        _mm256_setr_epi8(11, -1, 11, -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1, 11, -1, 11,
                         -1, 11, -1, 11, -1, 15, -1, 15, -1, 15, -1, 15, -1);
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
        const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
        __m256i low = _mm256_mullo_epi16(_mm256_unpacklo_epi8(d, zero),
                                         _mm256_sub_epi16(full, _mm256_shuffle_epi8(p, lowAlpha)));
        __m256i high =
            _mm256_mullo_epi16(_mm256_unpackhi_epi8(d, zero),
                               _mm256_sub_epi16(full, _mm256_shuffle_epi8(p, highAlpha)));
        low = _mm256_add_epi16(low, half);
        high = _mm256_add_epi16(high, half);
        low = _mm256_srli_epi16(_mm256_add_epi16(low, _mm256_srli_epi16(low, 8)), 8);
        high = _mm256_srli_epi16(_mm256_add_epi16(high, _mm256_srli_epi16(high, 8)), 8);
        const __m256i laid = _mm256_add_epi8(p, _mm256_packus_epi16(low, high));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), _mm256_or_si256(laid, opaque));
    }
    LayRowSse2(dst + i, src + i, count - i);
}
#endif

using LayRowFn = void (*)(Pixel*, const Pixel*, size_t);

// The widest version the processor runs.
LayRowFn ChooseLayRow() {
#ifdef __SSE2__
    if (__builtin_cpu_supports("avx2")) return LayRowAvx2;
    return LayRowSse2;
#else
    return LayRowPlain;
#endif
}

const LayRowFn LayRow = ChooseLayRow();

}  // namespace

TextImage::TextImage(const DftFont& font, std::string_view text, Pixel colour, uint32_t alpha) {
    ForEachGlyphBox(font, text, 1.0, [&](const GlyphBox& g) {
        Rect glyph{g.x, g.y, g.x + g.width, g.y + g.height};
        box_ = box_.Empty() ? glyph
                            : Rect{std::min(box_.x0, glyph.x0), std::min(box_.y0, glyph.y0),
                                   std::max(box_.x1, glyph.x1), std::max(box_.y1, glyph.y1)};
    });
    tooBig_ = !box_.Empty() && (box_.x1 - box_.x0) * (box_.y1 - box_.y0) > kMaxArea;
    if (box_.Empty() || alpha == 0 || tooBig_) {
        box_ = Rect{};
        return;
    }
    std::vector<Pixel> layer(static_cast<size_t>((box_.x1 - box_.x0) * (box_.y1 - box_.y0)), 0);
    if (font.hasOutline) {
        Compose(font, text, font.outline, PixelFromColourRef(font.outlineColour), alpha, layer);
    }
    Compose(font, text, font.coverage, colour, alpha, layer);
    MakeRows(layer);
}

void TextImage::Compose(const DftFont& font, std::string_view text,
                        const std::vector<uint8_t>& plane, Pixel colour, uint32_t alpha,
                        std::vector<Pixel>& layer) const {
    const int64_t width = box_.x1 - box_.x0;
    ForEachGlyphBox(font, text, 1.0, [&](const GlyphBox& box) {
        const DftGlyph& g = font.glyphs[box.code];
        for (int y = 0; y < g.height; ++y) {
            const uint8_t* src =
                plane.data() + static_cast<size_t>(g.atlasY + y) * font.atlasWidth + g.atlasX;
            Pixel* dst = layer.data() + (box.y + y - box_.y0) * width + (box.x - box_.x0);
            for (int x = 0; x < g.width; ++x) {
                const uint32_t w = Weight(src[x], alpha);
                if (w != 0) dst[x] = Over(Premultiplied(colour, w), dst[x]);
            }
        }
    });
}

void TextImage::MakeRows(const std::vector<Pixel>& layer) {
    const auto width = static_cast<int32_t>(box_.x1 - box_.x0);
    const auto height = static_cast<int32_t>(box_.y1 - box_.y0);
    rows_.reserve(static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y) {
        const Pixel* row = layer.data() + static_cast<size_t>(y) * width;
        int32_t first = 0;
        int32_t last = width;
        while (first < last && row[first] == 0) ++first;
        while (last > first && row[last - 1] == 0) --last;
        rows_.push_back({first, last - first, static_cast<uint32_t>(pixels_.size())});
        pixels_.insert(pixels_.end(), row + first, row + last);
    }
}

void TextImage::Draw(Image& canvas, const Rect& clip, int64_t x, int64_t y) const {
    if (box_.Empty()) return;
    const int64_t left = x + box_.x0;
    const int64_t top = y + box_.y0;
    const int64_t y0 = std::max(top, clip.y0);
    const int64_t y1 = std::min(top + (box_.y1 - box_.y0), clip.y1);
    for (int64_t fy = y0; fy < y1; ++fy) {
        const TextRow& row = rows_[static_cast<size_t>(fy - top)];
        const int64_t start = left + row.x;
        const int64_t from = std::max(start, clip.x0);
        const int64_t to = std::min(start + row.length, clip.x1);
        if (from >= to) continue;
        LayRow(canvas.Row(static_cast<int>(fy)) + from,
               pixels_.data() + row.offset + (from - start), static_cast<size_t>(to - from));
    }
}

}  // namespace lexo
