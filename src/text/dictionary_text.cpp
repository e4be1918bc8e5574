#include "text/dictionary_text.h"

#include <unicode/utf8.h>

#include <cstdint>

#include "text/cp1251.h"
#include "text/unicode_text.h"

namespace lexo {
namespace {

// Whether the tail is the start of one character that goes on past it.
bool IsCutCharacter(std::string_view tail) {
    const auto lead = static_cast<uint8_t>(tail[0]);
    if (!U8_IS_LEAD(lead) || static_cast<size_t>(U8_COUNT_TRAIL_BYTES(lead)) < tail.size())
        return false;
    for (char c : tail.substr(1)) {
        if (!U8_IS_TRAIL(static_cast<uint8_t>(c))) return false;
    }
    return true;
}

}  // namespace

std::string Utf8WithInvalidReplaced(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t from = 0;
    while (from < text.size()) {
        const size_t bad = FirstInvalidUtf8(text, from);
        out.append(text.substr(from, bad - from));
        if (bad == text.size()) break;
        out.append("\xEF\xBF\xBD");
        // ICU tells how much of the sequence belongs to the one replaced character.
        auto at = static_cast<int32_t>(bad);
        UChar32 c;
        U8_NEXT(text.data(), at, static_cast<int32_t>(text.size()), c);
        from = static_cast<size_t>(at);
    }
    return out;
}

size_t FirstInvalidUtf8(std::string_view text, size_t from) {
    const auto size = static_cast<int32_t>(text.size());
    auto at = static_cast<int32_t>(from);
    while (at < size) {
        const int32_t start = at;
        UChar32 c;
        U8_NEXT(text.data(), at, size, c);
        if (c < 0) return static_cast<size_t>(start);
    }
    return text.size();
}

DictionaryEncoding DetectDictionaryEncoding(std::string_view bytes, bool cut) {
    if (bytes.starts_with(kUtf8Bom)) return DictionaryEncoding::Utf8WithBom;
    const size_t bad = FirstInvalidUtf8(bytes);
    // A character cut by the end of a partial read is no fault of the file.
    const bool valid = bad == bytes.size() || (cut && IsCutCharacter(bytes.substr(bad)));
    if (valid && !IsAscii(bytes)) return DictionaryEncoding::Utf8;
    return DictionaryEncoding::Cp1251;
}

std::string DictionaryFileText(std::string bytes, bool cut) {
    switch (DetectDictionaryEncoding(bytes, cut)) {
        case DictionaryEncoding::Utf8: return bytes;
        case DictionaryEncoding::Utf8WithBom:
            return Utf8WithInvalidReplaced(std::string_view(bytes).substr(kUtf8Bom.size()));
        case DictionaryEncoding::Cp1251: break;
    }
    if (IsAscii(bytes)) return bytes;
    return Cp1251ToUtf8(bytes);
}

}  // namespace lexo
