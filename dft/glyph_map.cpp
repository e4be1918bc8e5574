#include "dft/glyph_map.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

#include "text/cp1251_code_points.h"

namespace lexo {
namespace {

// The UTF-8 character at `text`, moving `text` past it; a malformed sequence is U+FFFD and ICU
// moves past its longest start that could still have been valid.
char32_t DecodeUtf8(const char*& text, const char* end) {
    // No character is longer than 4 bytes; a NUL-terminated text is read to its NUL.
    const int32_t length =
        end == nullptr ? -1 : static_cast<int32_t>(std::min<ptrdiff_t>(end - text, 4));
    int32_t at = 0;
    UChar32 code;
    U8_NEXT(text, at, length, code);
    text += at;
    return code < 0 ? 0xFFFD : static_cast<char32_t>(code);
}

}  // namespace

GlyphMap::GlyphMap(const DftFont& font) : direct_(kDirect, kNoGlyph) {
    std::array<char32_t, 256> byteCodes{};
    for (size_t byte = 0; byte < 256; ++byte) {
        byteCodes[byte] = Cp1251CodePoint(static_cast<unsigned char>(byte));
    }
    if (font.Classic()) {
        // Glyph i is byte i's. An empty record without advance is what a font maker writes for
        // a character it has no glyph for.
        for (size_t byte = 0; byte < 256; ++byte) {
            bytes_[byte] = static_cast<uint16_t>(byte);
            if (byteCodes[byte] != 0 && !(font.glyphs[byte] == DftGlyph{})) {
                Add(byteCodes[byte], static_cast<uint16_t>(byte));
            }
        }
        std::sort(beyond_.begin(), beyond_.end());
    } else {
        for (size_t i = 0; i < font.glyphs.size(); ++i) {
            Add(font.codePoints[i], static_cast<uint16_t>(i));
        }
        for (size_t byte = 0; byte < 256; ++byte) {
            bytes_[byte] = byteCodes[byte] != 0 ? ForCodePoint(byteCodes[byte]) : kNoGlyph;
        }
    }
    for (size_t byte = 0; byte < 256; ++byte) {
        // Bytes 0x80-0x9F are letters in CP1251, not controls.
        const bool character = byteCodes[byte] >= 0x20 && byteCodes[byte] != 0x7F;
        missingBytes_[byte] =
            character && (bytes_[byte] == kNoGlyph || font.glyphs[bytes_[byte]] == DftGlyph{});
    }
    replacement_ = ForCodePoint(0xFFFD);
    if (replacement_ == kNoGlyph) replacement_ = ForCodePoint('?');
}

CharacterGlyph GlyphMap::Next(const char*& text, const char* end, TextEncoding encoding) const {
    if (encoding == TextEncoding::Cp1251) {
        const auto byte = static_cast<unsigned char>(*text++);
        return {bytes_[byte], missingBytes_[byte]};
    }
    const char32_t code = DecodeUtf8(text, end);
    if (IsControl(code)) return {kNoGlyph, false};
    const uint16_t glyph = ForCodePoint(code);
    if (glyph == kNoGlyph || code == 0xFFFD) return {replacement_, true};
    return {glyph, false};
}

void GlyphMap::Add(char32_t code, uint16_t glyph) {
    if (code < kDirect) {
        direct_[code] = glyph;
    } else {
        beyond_.emplace_back(code, glyph);
    }
}

uint16_t GlyphMap::Search(char32_t code) const {
    auto found = std::lower_bound(beyond_.begin(), beyond_.end(), std::pair{code, uint16_t{0}});
    return found != beyond_.end() && found->first == code ? found->second : kNoGlyph;
}

}  // namespace lexo
