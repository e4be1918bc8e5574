#include "text/string_list.h"

#include <utility>

namespace lexo {

void StringList::Clear() {
    buffer_.clear();
    ends_.clear();
}

void StringList::Add(std::string_view line) {
    // One NUL ends the last line whatever ended it before (a CR, a CR LF, the text's end), and
    // anything after it goes: a line end that is neither CR nor LF cannot pair with the bytes
    // around it, so every line keeps its place.
    if (ends_.empty()) {
        buffer_.clear();
    } else {
        const size_t lastEnd = ends_.back();
        buffer_.resize(lastEnd + 1);
        buffer_[lastEnd] = '\0';
    }
    buffer_.append(line);
    ends_.emplace_back(buffer_.size());
}

void StringList::SetText(std::string text) {
    buffer_ = std::move(text);
    ends_.clear();
    ForEachLine(buffer_, LineEnds::AnyAndNulEnds, [this](std::string_view line) {
        ends_.push_back(static_cast<size_t>(line.data() - buffer_.data()) + line.size());
    });
}

}  // namespace lexo
