#include "text/string_list.h"

#include <algorithm>
#include <utility>

#include "text/text_lines.h"

namespace lexo {

void StringList::Clear() {
    buffer_.clear();
    lines_.clear();
}

void StringList::Add(std::string_view line) {
    lines_.push_back({buffer_.size(), line.size()});
    buffer_.append(line);
}

void StringList::SetText(std::string text) {
    buffer_ = std::move(text);
    lines_.clear();
    // Dictionary lines are seldom shorter than 8 bytes with their line end: room for that many
    // (up to a bound, so a huge file reserves no more than it may need) saves regrowing a
    // million-line index again and again. Shorter lines regrow as usual.
    constexpr size_t kMostReserved = size_t{1} << 24;
    lines_.reserve(std::min(buffer_.size() / 8, kMostReserved));
    const char* base = buffer_.data();
    ForEachLine(buffer_, LineEnds::AnyAndNulEnds, [&](std::string_view line) {
        lines_.push_back({static_cast<size_t>(line.data() - base), line.size()});
    });
}

}  // namespace lexo
