#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lexo {

// The run-time library's integer conversion: optional leading spaces, an optional sign, then
// decimal digits, or hexadecimal digits after "$" or "0x"; nothing after the digits; the value
// must fit a signed 32-bit integer. Nothing is trimmed at the end.
std::optional<int32_t> TryStrToInt(std::string_view text);

// As TryStrToInt; throws RunTimeError "'<text>' is not a valid integer value" on failure.
int32_t StrToInt(std::string_view text);

}  // namespace lexo
