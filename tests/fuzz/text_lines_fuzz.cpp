// The line splitter and the string list on any bytes, against a plain byte-by-byte reading of
// the same rules.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "line_reference.h"
#include "text/string_list.h"
#include "text/text_lines.h"

namespace {

using lexo::LineEnds;
using lexo::test::ReadLinesByteByByte;

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    for (LineEnds ends : {LineEnds::CrLfOrLf, LineEnds::AnyAndNulEnds}) {
        LEXO_FUZZ_CHECK(SplitLines(text, ends) == ReadLinesByteByByte(text, ends));
    }

    lexo::StringList list;
    list.Add("left over from before");
    list.SetText(text);
    const std::vector<std::string> expected = ReadLinesByteByByte(text, LineEnds::AnyAndNulEnds);
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
