#include "text/str_to_int.h"

#include <string>

#include "errors/run_time_error.h"

namespace lexo {
namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<int32_t> TryStrToInt(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }

    if (pos == text.size()) return std::nullopt;
    // Accumulates the magnitude; 2^31 is allowed so that -2147483648 converts.
    constexpr int64_t kLimit = int64_t{1} << 31;
    int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        int digit = DigitValue(text[pos], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit) return std::nullopt;
    }
    if (!negative && magnitude == kLimit) return std::nullopt;
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int32_t StrToInt(std::string_view text) {
    if (auto value = TryStrToInt(text)) return *value;
    throw RunTimeError("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace lexo
