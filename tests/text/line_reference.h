#pragma once

// What the text tests and the line-splitting fuzzer check the splitter against: the rules read
// one byte at a time, and the line ends one scan path finds.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_lines.h"

namespace lexo::test {

// One byte at a time: LF ends a line; CR LF is one line end; a lone CR ends a line only in
// dictionary text, where a NUL also ends the whole text. Nothing after the last line end adds
// no line.
inline std::vector<std::string> ReadLinesByteByByte(std::string_view text, LineEnds ends) {
    const bool any = ends == LineEnds::AnyAndNulEnds;
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (any && c == '\0') break;
        const bool crLf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (c == '\n' || crLf || (any && c == '\r')) {
            lines.push_back(line);
            line.clear();
            open = false;
            if (crLf) ++i;
            continue;
        }
        line += c;
        open = true;
    }
    if (open) lines.push_back(line);
    return lines;
}

// Every line end one scan path finds, chunk by chunk, and last where the text ends.
inline std::vector<uint64_t> ScannedLineEnds(std::string_view text, LineEnds ends,
                                             line_scan::ScanPath path) {
    using namespace line_scan;
    std::vector<uint64_t> found;
    LineEnd chunk[kChunk + kScanSlack];
    bool crBefore = false;
    size_t end = text.size();
    for (size_t from = 0; from < end; from += kChunk) {
        const size_t count = ScanChunk(text, from, ends, crBefore, end, chunk, path);
        for (size_t i = 0; i < count; ++i) found.push_back(chunk[i].Offset());
    }
    found.push_back(end);
    return found;
}

}  // namespace lexo::test
