#include "text/string_list.h"

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
    const char* base = buffer_.data();
    ForEachLine(buffer_, LineEnds::AnyAndNulEnds, [&](std::string_view line) {
        lines_.push_back({static_cast<size_t>(line.data() - base), line.size()});
    });
}

}  // namespace lexo
