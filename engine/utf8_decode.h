#pragma once

namespace lexo {

// Decodes the UTF-8 character at `text` and moves `text` past it. A malformed sequence gives
// U+FFFD and moves past its longest start that could still have been valid (at least one
// byte), so the next character is read where it begins. `end` bounds the bytes; for a
// NUL-terminated text it may be null, since NUL never continues a sequence.
inline char32_t DecodeUtf8(const char*& text, const char* end) {
    const auto lead = static_cast<unsigned char>(*text++);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t code = 0;
    unsigned low = 0x80, high = 0xBF;  // the range of the byte after the lead
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2;
        code = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        code = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return 0xFFFD;
    }
    for (int i = 0; i < extra; ++i) {
        if (text == end) return 0xFFFD;
        const auto next = static_cast<unsigned char>(*text);
        if (next < low || next > high) return 0xFFFD;
        low = 0x80;
        high = 0xBF;
        code = code << 6 | (next & 0x3F);
        ++text;
    }
    return code;
}

}  // namespace lexo
