#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexo {

// An ordered list of CP1251 text lines (a dictionary's words or translations). The lines share
// one buffer, so a list of a million words loads in one pass.
class StringList {
public:
    size_t Count() const { return lines_.size(); }
    bool Empty() const { return lines_.empty(); }

    // The view is valid until the list is next changed.
    std::string_view operator[](size_t index) const {
        const Line& line = lines_[index];
        return std::string_view(buffer_.data() + line.offset, line.length);
    }

    void Clear();
    void Add(std::string_view line);

    // Replaces the whole content by the lines of text (CR LF, LF or CR; a NUL ends the text).
    void SetText(std::string text);

private:
    struct Line {
        size_t offset;
        size_t length;
    };
    std::string buffer_;
    std::vector<Line> lines_;
};

}  // namespace lexo
