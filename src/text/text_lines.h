#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace lexo {

// Which bytes end a line. In both, CR LF is one line end and a line end at the very end of the
// text adds no empty line after it.
enum class LineEnds {
    // Catalogue files (monsters.txt, .mon): CR LF or a lone LF; a lone CR belongs to the line.
    CrLfOrLf,
    // Dictionary files and string lists: CR LF, LF or CR; a NUL byte ends the text.
    AnyAndNulEnds,
};

namespace line_scan {

// The text is examined 64 bytes at a time as bit masks, bit i for byte i of the block: the
// line ends of a block are its set bits, reached without a test per byte. A dictionary of a
// million short lines is split in a few milliseconds.
inline constexpr size_t kBlock = 64;

struct BlockMasks {
    uint64_t cr = 0;
    uint64_t lf = 0;
    uint64_t nul = 0;
};

inline BlockMasks PartialBlock(const char* from, size_t count) {
    BlockMasks m;
    for (size_t i = 0; i < count; ++i) {
        m.cr |= uint64_t{from[i] == '\r'} << i;
        m.lf |= uint64_t{from[i] == '\n'} << i;
        m.nul |= uint64_t{from[i] == '\0'} << i;
    }
    return m;
}

#ifdef __SSE2__
inline uint64_t Matches(const char* from, char c) {
    const __m128i wanted = _mm_set1_epi8(c);
    uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16 * part));
        const auto bits = static_cast<uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
        mask |= uint64_t{bits} << (16 * part);
    }
    return mask;
}

inline BlockMasks FullBlock(const char* from) {
    return {Matches(from, '\r'), Matches(from, '\n'), Matches(from, '\0')};
}
#else
inline BlockMasks FullBlock(const char* from) { return PartialBlock(from, kBlock); }
#endif

}  // namespace line_scan

// Calls onLine(std::string_view line) once per line, in order, with the line's text (without
// its line end). A template, so that a million-line dictionary pays no call per line.
template <typename OnLine>
void ForEachLine(std::string_view text, LineEnds ends, OnLine&& onLine) {
    using namespace line_scan;
    const bool anyEnds = ends == LineEnds::AnyAndNulEnds;
    const char* end = text.data() + text.size();
    const char* start = text.data();  // of the line being read
    bool crBefore = false;            // the byte before the block is a CR
    for (const char* block = text.data(); block < end; block += kBlock) {
        const auto left = static_cast<size_t>(end - block);
        BlockMasks m = left >= kBlock ? FullBlock(block) : PartialBlock(block, left);
        if (anyEnds && m.nul != 0) {
            // Whatever follows a NUL is not text.
            const int nul = std::countr_zero(m.nul);
            end = block + nul;
            m.cr &= (uint64_t{1} << nul) - 1;
            m.lf &= (uint64_t{1} << nul) - 1;
        }
        const uint64_t lfAfterCr = m.lf & (m.cr << 1 | uint64_t{crBefore});
        crBefore = (m.cr >> 63) != 0;
        // Dictionaries: a line ends at its CR or LF, a CR LF counting once, at the CR.
        // Catalogues: at its LF; a lone CR belongs to the line.
        for (uint64_t lineEnds = anyEnds ? m.cr | (m.lf & ~lfAfterCr) : m.lf; lineEnds != 0;
             lineEnds &= lineEnds - 1) {
            const char* brk = block + std::countr_zero(lineEnds);
            if (anyEnds) {
                onLine(std::string_view(start, static_cast<size_t>(brk - start)));
                start = brk + (*brk == '\r' && brk + 1 < end && brk[1] == '\n' ? 2 : 1);
            } else {
                const bool crLf = brk > start && brk[-1] == '\r';
                onLine(std::string_view(start, static_cast<size_t>(brk - start - crLf)));
                start = brk + 1;
            }
        }
    }
    if (start < end) onLine(std::string_view(start, static_cast<size_t>(end - start)));
}

}  // namespace lexo
