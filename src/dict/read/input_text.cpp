#include "dict/read/input_text.h"

#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "text/unicode_text.h"

namespace lexo::dict {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::string ByteAt(std::string_view bytes, size_t offset) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(bytes[offset]));
    return text;
}

DecodedInput Refused(size_t offset, std::string problem) {
    DecodedInput input;
    input.badOffset = offset;
    input.problem = std::move(problem);
    return input;
}

// Where the UTF-8 text stops being text (a malformed sequence or a NUL), or its end.
size_t FirstNotText(std::string_view bytes, size_t from) {
    size_t end = bytes.size();
    ForEachUtf8Character(
        bytes,
        [&end](const Utf8Character& c) {
            if (c.code <= 0) end = c.offset;
            return c.code > 0;
        },
        from);
    return end;
}

DecodedInput FromUtf8(std::string_view bytes, size_t bomSize) {
    const size_t at = FirstNotText(bytes, bomSize);
    if (at < bytes.size()) {
        return Refused(at, "byte " + ByteAt(bytes, at) +
                               " is not UTF-8 text; save the file as UTF-8 or UTF-16 with BOM");
    }
    DecodedInput input;
    input.utf8.assign(bytes.substr(bomSize));
    return input;
}

DecodedInput FromUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        return Refused(bytes.size() - 1, "UTF-16 text ends in half a character");
    }
    std::u16string units((bytes.size() - 2) / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<uint8_t>(bytes[2 + 2 * i]);
        const auto second = static_cast<uint8_t>(bytes[3 + 2 * i]);
        units[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        const bool pairs = U16_IS_LEAD(unit) && i + 1 < units.size() && U16_IS_TRAIL(units[i + 1]);
        if (unit == 0 || (U16_IS_SURROGATE(unit) && !pairs)) {
            return Refused(2 + 2 * i, "UTF-16 unit at this offset is not a character");
        }
        i += pairs;
    }
    DecodedInput input;
    int32_t size = 0;
    UErrorCode status = U_ZERO_ERROR;
    const auto count = static_cast<int32_t>(units.size());
    u_strToUTF8(nullptr, 0, &size, units.data(), count, &status);
    input.utf8.resize(static_cast<size_t>(size));
    status = U_ZERO_ERROR;
    u_strToUTF8(input.utf8.data(), size, &size, units.data(), count, &status);
    return input;
}

}  // namespace

DecodedInput DecodeInput(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeBom)) return FromUtf16(bytes, false);
    if (bytes.starts_with(kUtf16BeBom)) return FromUtf16(bytes, true);
    return FromUtf8(bytes, bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0);
}

size_t LineAtOffset(std::string_view text, size_t offset) {
    size_t line = 1;
    for (size_t i = 0; i < std::min(offset, text.size()); ++i) {
        const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        line += text[i] == '\n' || (text[i] == '\r' && !crLf);
    }
    return line;
}

}  // namespace lexo::dict
