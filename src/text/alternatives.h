#pragma once

#include <algorithm>
#include <string_view>

// A dictionary line holds its alternatives ("кот  кошка") joined by two spaces: a single space
// belongs inside an alternative ("ice cream").
namespace lexo {

inline constexpr std::string_view kAlternativeSeparator = "  ";

// Calls onAlternative(std::string_view) for each alternative of a line; empty ones included.
template <typename OnAlternative>
void ForEachAlternative(std::string_view line, OnAlternative&& onAlternative) {
    for (size_t start = 0; start < line.size();) {
        const size_t end = std::min(line.find(kAlternativeSeparator, start), line.size());
        onAlternative(line.substr(start, end - start));
        start = end + kAlternativeSeparator.size();
    }
}

// The first alternative of a line (the whole line when it has one).
inline std::string_view FirstAlternative(std::string_view line) {
    return line.substr(0, line.find(kAlternativeSeparator));
}

}  // namespace lexo
