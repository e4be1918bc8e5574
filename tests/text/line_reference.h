#pragma once

// What the text tests and the line-splitting fuzzer check the splitter against: the rules read
// one byte at a time.

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

}  // namespace lexo::test
