#include "text/description_rows.h"

#include <algorithm>

#include "text/unicode_text.h"

namespace lexo {

size_t DescriptionRows(std::string_view line) {
    size_t rows = 1;
    size_t column = 0;
    for (size_t start = 0; start < line.size();) {
        const size_t end = std::min(line.find(' ', start), line.size());
        size_t word = CharacterCount(line.substr(start, end - start));
        if (column > 0 && column + 1 + word > kDescriptionColumns) {
            ++rows;
            column = 0;
        }
        column += (column > 0) + word;
        for (; column > kDescriptionColumns; column -= kDescriptionColumns) ++rows;
        start = end + 1;
    }
    return rows;
}

}  // namespace lexo
