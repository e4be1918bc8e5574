#pragma once

#include <cstddef>
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

// Where the line after a line end at `end` starts: past a CR LF, or past the one byte.
inline size_t LineStartAfter(std::string_view text, size_t end) {
    return end + 1 + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n');
}

// Calls onLine(std::string_view line) once per line, in order, with the line's text (without
// its line end), a piece of `text` itself.
template <typename OnLine>
void ForEachLine(std::string_view text, LineEnds ends, OnLine&& onLine) {
    const bool any = ends == LineEnds::AnyAndNulEnds;
    size_t end = text.size();
    size_t start = 0;  // of the line being read
    for (size_t i = 0; i < end; ++i) {
        const char c = text[i];
        // NUL, LF and CR are the bytes up to 13: one comparison passes over every other byte.
        if (static_cast<unsigned char>(c) > '\r') continue;
        if (c == '\n') {
            // A catalogue's CR LF is found at the LF; its CR is no part of the line.
            const bool crLf = !any && i > start && text[i - 1] == '\r';
            onLine(text.substr(start, i - start - crLf));
            start = i + 1;
        } else if (any && c == '\r') {
            onLine(text.substr(start, i - start));
            start = LineStartAfter(text, i);
            i = start - 1;
        } else if (any && c == '\0') {
            end = i;
        }
    }
    if (start < end) onLine(text.substr(start, end - start));
}

}  // namespace lexo
