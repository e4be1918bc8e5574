#pragma once

#include <cstddef>
#include <functional>
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

// Calls onLine once per line, in order, with the line's text (without its line end).
void ForEachLine(std::string_view text, LineEnds ends,
                 const std::function<void(std::string_view line)>& onLine);

}  // namespace lexo
