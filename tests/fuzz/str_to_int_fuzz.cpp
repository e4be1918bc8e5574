// The integer conversion on any bytes, against a reading of its rules written apart from it:
// leading spaces, a sign, decimal digits or hexadecimal ones after "$" or "0x", nothing else,
// a value inside the signed 32-bit range.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "errors/run_time_error.h"
#include "fuzz_check.h"
#include "text/str_to_int.h"

namespace {

std::optional<int64_t> Expected(const std::string& text) {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return std::nullopt;
    std::string rest = text.substr(start);
    int64_t sign = 1;
    if (rest[0] == '-' || rest[0] == '+') {
        sign = rest[0] == '-' ? -1 : 1;
        rest.erase(0, 1);
    }
    int base = 10;
    if (rest.rfind("$", 0) == 0) {
        base = 16;
        rest.erase(0, 1);
    } else if (rest.rfind("0x", 0) == 0 || rest.rfind("0X", 0) == 0) {
        base = 16;
        rest.erase(0, 2);
    }
    if (rest.empty()) return std::nullopt;
    // Leading zeros do not count toward the size of the value.
    const size_t significant = rest.find_first_not_of('0');
    const std::string digits = significant == std::string::npos ? "0" : rest.substr(significant);
    for (char c : rest) {
        const bool digit =
            base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0 : c >= '0' && c <= '9';
        if (!digit) return std::nullopt;
    }
    if (digits.size() > 10) return std::nullopt;
    const int64_t value = sign * std::stoll(digits, nullptr, base);
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<int64_t> expected = Expected(text);
    const std::optional<int32_t> converted = lexo::TryStrToInt(text);
    LEXO_FUZZ_CHECK(converted.has_value() == expected.has_value());
    if (converted) LEXO_FUZZ_CHECK(*converted == *expected);

    try {
        const int32_t value = lexo::StrToInt(text);
        LEXO_FUZZ_CHECK(converted && value == *converted);
    } catch (const lexo::RunTimeError& error) {
        LEXO_FUZZ_CHECK(!converted);
        // The message is a C string: a NUL in the text ends it there, for both.
        const std::string message = "'" + text + "' is not a valid integer value";
        LEXO_FUZZ_CHECK(std::strcmp(error.what(), message.c_str()) == 0);
    }
    return 0;
}
