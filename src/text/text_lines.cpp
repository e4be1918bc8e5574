#include "text/text_lines.h"

#include <cstring>

namespace lexo {
namespace {

// Finds c in [from, end); returns end when absent. memchr keeps long files fast.
const char* Find(const char* from, const char* end, char c) {
    const void* found = std::memchr(from, c, end - from);
    return found ? static_cast<const char*>(found) : end;
}

}  // namespace

void ForEachLine(std::string_view text, LineEnds ends,
                 const std::function<void(std::string_view line)>& onLine) {
    if (ends == LineEnds::AnyAndNulEnds) {
        const char* nul = Find(text.data(), text.data() + text.size(), '\0');
        text = text.substr(0, nul - text.data());
    }

    const char* const end = text.data() + text.size();
    const char* start = text.data();
    const char* nextLf = Find(start, end, '\n');
    const char* nextCr = Find(start, end, '\r');
    const char* pos = start;
    while (pos < end) {
        if (nextLf < pos) nextLf = Find(pos, end, '\n');
        if (nextCr < pos) nextCr = Find(pos, end, '\r');
        const char* brk = nextLf < nextCr ? nextLf : nextCr;
        if (brk == end) break;

        bool crLf = *brk == '\r' && brk + 1 < end && brk[1] == '\n';
        bool endsLine = *brk == '\n' || crLf || ends == LineEnds::AnyAndNulEnds;
        if (!endsLine) {
            pos = brk + 1;  // a lone CR stays inside a catalogue line
            continue;
        }
        onLine(std::string_view(start, brk - start));
        pos = start = brk + (crLf ? 2 : 1);
    }
    if (start < end) onLine(std::string_view(start, end - start));
}

}  // namespace lexo
