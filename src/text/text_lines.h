#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

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

// Where a line ends, packed into one word: (offset of the first byte after the line's text
// << 1) | 1 when its line end is two bytes long (CR LF). The next line starts after the line
// end: at offset + 1 + that bit.
class LineEnd {
  public:
    // Left uninitialised, so that room for a million of them is made without writing it.
    LineEnd() {}
    LineEnd(uint64_t offset, bool twoBytes) : packed_(offset << 1 | uint64_t{twoBytes}) {}

    uint64_t Offset() const { return packed_ >> 1; }
    uint64_t NextStart() const { return (packed_ >> 1) + 1 + (packed_ & 1); }

  private:
    uint64_t packed_;
};

// The text is read in chunks of kChunk bytes; a chunk has at most kChunk line ends, and the
// scan may write kScanSlack entries past the last one it finds.
inline constexpr size_t kChunk = 1024;
inline constexpr size_t kScanSlack = 8;

// The processor's fastest way of scanning (AVX2 where there is one), or the one every processor
// runs; both find the same line ends.
enum class ScanPath { Best, Portable };

// Finds the line ends in text[from, from + kChunk) (or to the text's end) and writes them to
// `out`, which has room for kChunk + kScanSlack entries; returns how many it found.
// `crBefore` carries from one chunk to the next whether the chunk's previous byte is a CR; for
// dictionary text `end` becomes the offset of the first NUL (the text ends there) when the
// chunk holds one.
size_t ScanChunk(std::string_view text, size_t from, LineEnds ends, bool& crBefore, size_t& end,
                 LineEnd* out, ScanPath path = ScanPath::Best);

}  // namespace line_scan

// Calls onLine(std::string_view line) once per line, in order, with the line's text (without
// its line end). A template, so that a million-line dictionary pays no call per line.
template <typename OnLine>
void ForEachLine(std::string_view text, LineEnds ends, OnLine&& onLine) {
    using namespace line_scan;
    LineEnd found[kChunk + kScanSlack];
    bool crBefore = false;
    size_t end = text.size();
    uint64_t start = 0;  // of the line being read
    for (size_t from = 0; from < end; from += kChunk) {
        const size_t count = ScanChunk(text, from, ends, crBefore, end, found);
        for (size_t i = 0; i < count; ++i) {
            onLine(text.substr(start, found[i].Offset() - start));
            start = found[i].NextStart();
        }
    }
    if (start < end) onLine(text.substr(start, end - start));
}

}  // namespace lexo
