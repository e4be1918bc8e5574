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

// The text is examined 64 bytes at a time for control bytes (CR, LF and NUL are among them):
// a mask with bit i for byte i of the block. Dictionary lines are a dozen bytes long, so a
// block holds a few such bytes, each looked at once; the other bytes cost a vector compare.
inline constexpr size_t kBlock = 64;
inline constexpr unsigned char kHighestControl = '\r';

inline uint64_t ControlBytes(const char* from, size_t count) {
    uint64_t mask = 0;
    for (size_t i = 0; i < count; ++i) {
        mask |= uint64_t{static_cast<unsigned char>(from[i]) <= kHighestControl} << i;
    }
    return mask;
}

#ifdef __SSE2__
inline uint64_t ControlBytes(const char* from) {
    const __m128i highest = _mm_set1_epi8(static_cast<char>(kHighestControl));
    uint64_t mask = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16 * part));
        const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(bytes, highest), bytes);
        mask |= uint64_t{static_cast<uint16_t>(_mm_movemask_epi8(low))} << (16 * part);
    }
    return mask;
}
#else
inline uint64_t ControlBytes(const char* from) { return ControlBytes(from, kBlock); }
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
    const char* skipLf = nullptr;     // just after a CR that ended a line
    for (const char* block = text.data(); block < end; block += kBlock) {
        const auto left = static_cast<size_t>(end - block);
        for (uint64_t found = left >= kBlock ? ControlBytes(block) : ControlBytes(block, left);
             found != 0; found &= found - 1) {
            const char* at = block + std::countr_zero(found);
            const char c = *at;
            if (c == '\n') {
                if (at == skipLf) {
                    // The LF of a CR LF: the CR has ended the line already.
                    start = at + 1;
                    continue;
                }
                // A catalogue's CR LF ends at the LF; the CR is no part of the line.
                const bool crLf = !anyEnds && at > start && at[-1] == '\r';
                onLine(std::string_view(start, static_cast<size_t>(at - start - crLf)));
                start = at + 1;
            } else if (c == '\r' && anyEnds) {
                onLine(std::string_view(start, static_cast<size_t>(at - start)));
                start = at + 1;
                skipLf = at + 1;
            } else if (c == '\0' && anyEnds) {
                // Whatever follows a NUL is not text.
                end = at;
                break;
            }
        }
    }
    if (start < end) onLine(std::string_view(start, static_cast<size_t>(end - start)));
}

}  // namespace lexo
