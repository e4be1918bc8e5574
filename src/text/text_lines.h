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

// Where a line ends: the offset of its line end (of the CR of a dictionary's CR LF, of the LF
// of a catalogue's).
class LineEnd {
  public:
    // Left uninitialised, so that room for a million of them is made without writing it.
    LineEnd() {}
    explicit LineEnd(uint64_t offset) : offset_(offset) {}

    uint64_t Offset() const { return offset_; }

  private:
    uint64_t offset_;
};

// Where the line after a line end at `end` starts: past a CR LF, or past the one byte.
inline size_t StartAfter(std::string_view text, size_t end) {
    return end + 1 + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n');
}

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
    size_t start = 0;  // of the line being read
    const bool catalogue = ends == LineEnds::CrLfOrLf;
    for (size_t from = 0; from < end; from += kChunk) {
        const size_t count = ScanChunk(text, from, ends, crBefore, end, found);
        for (size_t i = 0; i < count; ++i) {
            const size_t at = found[i].Offset();
            // A catalogue's line end is found at the LF; the CR of a CR LF is no part of the line.
            const bool crLf = catalogue && at > start && text[at - 1] == '\r';
            onLine(text.substr(start, at - start - crLf));
            start = StartAfter(text, at);
        }
    }
    if (start < end) onLine(text.substr(start, end - start));
}

}  // namespace lexo
