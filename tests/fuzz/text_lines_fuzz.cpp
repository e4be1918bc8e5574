// The line splitter and the string list on any bytes, against a plain byte-by-byte reading of
// the same rules.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "text/string_list.h"
#include "text/text_lines.h"

namespace {

using lexo::LineEnds;

// One byte at a time: LF ends a line; CR LF is one line end; a lone CR ends a line only in
// dictionary text, where a NUL also ends the whole text. Nothing after the last line end adds
// no line.
std::vector<std::string> ReadLines(std::string_view text, LineEnds ends) {
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

std::vector<std::string> SplitLines(std::string_view text, LineEnds ends) {
    std::vector<std::string> lines;
    lexo::ForEachLine(text, ends, [&](std::string_view line) {
        // Every line is a piece of the text itself.
        LEXO_FUZZ_CHECK(line.data() >= text.data() &&
                        line.data() + line.size() <= text.data() + text.size());
        lines.emplace_back(line);
    });
    return lines;
}

// Every line end the scan finds, and where the text ends.
std::vector<uint64_t> ScannedEnds(std::string_view text, LineEnds ends,
                                  lexo::line_scan::ScanPath path) {
    using namespace lexo::line_scan;
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    for (LineEnds ends : {LineEnds::CrLfOrLf, LineEnds::AnyAndNulEnds}) {
        LEXO_FUZZ_CHECK(SplitLines(text, ends) == ReadLines(text, ends));
        // The processor's fast scan and the portable one agree.
        LEXO_FUZZ_CHECK(ScannedEnds(text, ends, lexo::line_scan::ScanPath::Best) ==
                        ScannedEnds(text, ends, lexo::line_scan::ScanPath::Portable));
    }

    lexo::StringList list;
    list.Add("left over from before");
    list.SetText(text);
    const std::vector<std::string> expected = ReadLines(text, LineEnds::AnyAndNulEnds);
    LEXO_FUZZ_CHECK(list.Count() == expected.size());
    LEXO_FUZZ_CHECK(list.Empty() == expected.empty());
    for (size_t i = 0; i < expected.size(); ++i) LEXO_FUZZ_CHECK(list[i] == expected[i]);

    // Lines added after a text keep both.
    list.Add(text);
    LEXO_FUZZ_CHECK(list.Count() == expected.size() + 1);
    LEXO_FUZZ_CHECK(list[expected.size()] == text);
    for (size_t i = 0; i < expected.size(); ++i) LEXO_FUZZ_CHECK(list[i] == expected[i]);
    return 0;
}
