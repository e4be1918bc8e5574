#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_lines.h"

namespace lexo {

// An ordered list of text lines (a dictionary's words or translations). The lines share one
// buffer and the list keeps only where each line ends, as the splitter finds it, so a list of a
// million words loads in one pass over the text.
class StringList {
  public:
    size_t Count() const { return ends_.size(); }
    bool Empty() const { return ends_.empty(); }

    // The view is valid until the list is next changed.
    std::string_view operator[](size_t index) const {
        const std::string_view text(buffer_);
        const size_t start = index == 0 ? 0 : LineStartAfter(text, ends_[index - 1]);
        return text.substr(start, ends_[index] - start);
    }

    void Clear();
    void Add(std::string_view line);

    // Replaces the whole content by the lines of text (CR LF, LF or CR; a NUL ends the text).
    void SetText(std::string text);

  private:
    std::string buffer_;
    // Where each line ends: the offset of its line end (of the CR of a CR LF), of the NUL that
    // ends the text, or the text's end.
    std::vector<size_t> ends_;
};

}  // namespace lexo
