#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace lexo {

// A names2.txt line holds a word's translations as alternatives parted by two spaces.
inline constexpr std::string_view kAlternativeSeparator = "  ";

// Calls onAlternative(std::string_view) for each alternative of a names2.txt line, empty ones
// included.
template <typename OnAlternative>
void ForEachAlternative(std::string_view translation, OnAlternative&& onAlternative) {
    for (size_t start = 0; start < translation.size();) {
        const size_t end =
            std::min(translation.find(kAlternativeSeparator, start), translation.size());
        onAlternative(translation.substr(start, end - start));
        start = end + kAlternativeSeparator.size();
    }
}

// Whether alternatives joined by two spaces hold this one.
bool HoldsAlternative(std::string_view joined, std::string_view alternative);

// Adds an alternative to ones joined by two spaces, unless it is empty or already there.
void AddAlternative(std::string& joined, std::string_view alternative);

}  // namespace lexo
