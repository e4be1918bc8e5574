#include "text/text_lines.h"

#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define LEXO_X86 1
#endif

namespace lexo::line_scan {
namespace {

// A block of 64 bytes is examined at once: one mask per byte value that matters, bit i for
// byte i, so that line ends are found with bit arithmetic rather than a branch per byte.
constexpr size_t kBlock = 64;

struct Masks {
    uint64_t cr;
    uint64_t lf;
    uint64_t nul;
};

#ifdef LEXO_X86
inline uint64_t Matches16(const char* from, char value) {
    const __m128i wanted = _mm_set1_epi8(value);
    uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16 * part));
        mask |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)))}
                << (16 * part);
    }
    return mask;
}

inline Masks BlockMasks(const char* from) {
    return {Matches16(from, '\r'), Matches16(from, '\n'), Matches16(from, '\0')};
}

__attribute__((target("avx2"))) inline uint64_t Matches32(const char* from, char value) {
    const __m256i wanted = _mm256_set1_epi8(value);
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 32));
    return uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, wanted)))} |
           uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, wanted)))}
               << 32;
}

__attribute__((target("avx2"))) inline Masks BlockMasksAvx2(const char* from) {
    // A NUL is rare: the block is tested for one at once, and only then is its mask made.
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 32));
    const __m256i zero = _mm256_setzero_si256();
    const __m256i nul =
        _mm256_or_si256(_mm256_cmpeq_epi8(low, zero), _mm256_cmpeq_epi8(high, zero));
    return {Matches32(from, '\r'), Matches32(from, '\n'),
            _mm256_testz_si256(nul, nul) ? 0 : Matches32(from, '\0')};
}

#else
inline uint64_t Matches(const char* from, char value) {
    uint64_t mask = 0;
    for (size_t i = 0; i < kBlock; ++i) mask |= uint64_t{from[i] == value} << i;
    return mask;
}

inline Masks BlockMasks(const char* from) {
    return {Matches(from, '\r'), Matches(from, '\n'), Matches(from, '\0')};
}
#endif

// The line ends of one block, given its masks, written to `out` as offsets from the text's
// start; returns how many. Dictionary lines are about a dozen bytes long, so a block seldom
// holds more than eight: eight entries are written whether they exist or not, which costs no
// branch that depends on how many there are.
template <bool kAnyEnds>
__attribute__((always_inline)) inline size_t BlockLineEnds(const Masks& m, uint64_t offset,
                                                           bool& crBefore, LineEnd* out) {
    // The LF of a CR LF pair ends no line of its own.
    const uint64_t pairedLf = m.lf & ((m.cr << 1) | uint64_t{crBefore});
    crBefore = (m.cr >> 63) != 0;
    uint64_t found = kAnyEnds ? (m.cr | m.lf) & ~pairedLf : m.lf;
    const auto count = static_cast<size_t>(std::popcount(found));
    for (size_t i = 0; i < kScanSlack; ++i) {
        out[i] =
            LineEnd(offset + static_cast<uint64_t>(std::countr_zero(found | uint64_t{1} << 63)));
        found &= found - 1;
    }
    for (size_t i = kScanSlack; found != 0; ++i, found &= found - 1) {
        out[i] = LineEnd(offset + static_cast<uint64_t>(std::countr_zero(found)));
    }
    return count;
}

template <bool kAnyEnds, Masks (*kMasks)(const char*)>
__attribute__((always_inline)) inline size_t ScanBlocks(std::string_view text, size_t from,
                                                        bool& crBefore, size_t& end, LineEnd* out) {
    const size_t chunkEnd = std::min(from + kChunk, text.size());
    size_t count = 0;
    for (size_t block = from; block < chunkEnd; block += kBlock) {
        const size_t left = text.size() - block;
        Masks m;
        if (left >= kBlock) {
            m = kMasks(text.data() + block);
        } else {
            // The last short block is read from a padded copy: nothing past the text is touched.
            char padded[kBlock];
            std::memset(padded, 'x', kBlock);
            std::memcpy(padded, text.data() + block, left);
            m = kMasks(padded);
        }
        if constexpr (kAnyEnds) {
            if (m.nul != 0) {
                // Whatever follows a NUL is not text.
                const int nul = std::countr_zero(m.nul);
                const uint64_t before = (uint64_t{1} << nul) - 1;
                m.cr &= before;
                m.lf &= before;
                end = block + static_cast<size_t>(nul);
                return count + BlockLineEnds<kAnyEnds>(m, block, crBefore, out + count);
            }
        }
        count += BlockLineEnds<kAnyEnds>(m, block, crBefore, out + count);
    }
    return count;
}

size_t ScanChunkPortable(std::string_view text, size_t from, LineEnds ends, bool& crBefore,
                         size_t& end, LineEnd* out) {
    if (ends == LineEnds::AnyAndNulEnds) {
        return ScanBlocks<true, BlockMasks>(text, from, crBefore, end, out);
    }
    return ScanBlocks<false, BlockMasks>(text, from, crBefore, end, out);
}

#ifdef LEXO_X86
__attribute__((target("avx2,bmi,lzcnt,popcnt"))) size_t ScanChunkAvx2(std::string_view text,
                                                                      size_t from, LineEnds ends,
                                                                      bool& crBefore, size_t& end,
                                                                      LineEnd* out) {
    if (ends == LineEnds::AnyAndNulEnds) {
        return ScanBlocks<true, BlockMasksAvx2>(text, from, crBefore, end, out);
    }
    return ScanBlocks<false, BlockMasksAvx2>(text, from, crBefore, end, out);
}

#endif

}  // namespace

size_t ScanChunk(std::string_view text, size_t from, LineEnds ends, bool& crBefore, size_t& end,
                 LineEnd* out, ScanPath path) {
#ifdef LEXO_X86
    // Processors of the last decade compare 32 bytes at once; the answer never changes.
    static const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi");
    if (avx2 && path == ScanPath::Best) return ScanChunkAvx2(text, from, ends, crBefore, end, out);
#endif
    return ScanChunkPortable(text, from, ends, crBefore, end, out);
}

}  // namespace lexo::line_scan
