#include "text/fill_in.h"

namespace lexo {

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9';
        const size_t index = marker ? static_cast<size_t>(pattern[i + 1] - '1') : values.size();
        if (index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace lexo
