#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <utility>
#include <vector>

#include "dft/font_dft.h"

namespace lexo {

// How the bytes of a line of text are read: one CP1251 character per byte (DrawText2D) or
// UTF-8 (DrawText2D_UTF8).
enum class TextEncoding : uint8_t { Cp1251, Utf8 };

// The glyph that draws one character of a line.
struct CharacterGlyph {
    uint16_t glyph;  // GlyphMap::kNoGlyph: the character draws nothing and moves nothing
    bool missing;    // the font has no glyph of its own for it
};

// Which glyph of a .dft font draws a character: a CP1251 byte (the classic text entry) or a
// Unicode code point. A character that CP1251 holds finds the same glyph either way, so a
// CP1251 line and its UTF-8 form draw alike in a font of either version.
class GlyphMap {
  public:
    // A glyph index no font has (fonts hold at most kDftMaxGlyphCount glyphs).
    static constexpr uint16_t kNoGlyph = 0xFFFF;

    explicit GlyphMap(const DftFont& font);

    // The glyph of a CP1251 byte; kNoGlyph when the font has none.
    uint16_t ForByte(unsigned char byte) const { return bytes_[byte]; }
    // The glyph of a code point; kNoGlyph when the font has none.
    uint16_t ForCodePoint(char32_t code) const {
        return code < kDirect ? direct_[code] : Search(code);
    }
    // The glyph drawn for a character the font has none for: its U+FFFD, else its '?';
    // kNoGlyph when it has neither.
    uint16_t Replacement() const { return replacement_; }

    // The glyph of the character at `text`, moving `text` past it (`end` bounds the bytes; null
    // for a NUL-terminated text). Control characters draw nothing. A CP1251 byte without a glyph
    // draws nothing, as it always did; a UTF-8 character without one, or a malformed sequence,
    // draws the replacement.
    CharacterGlyph Next(const char*& text, const char* end, TextEncoding encoding) const;

  private:
    // Code points below this (Latin, Greek and Cyrillic) are looked up in a table, the rest by
    // binary search.
    static constexpr char32_t kDirect = 0x800;

    uint16_t Search(char32_t code) const;
    void Add(char32_t code, uint16_t glyph);

    std::array<uint16_t, 256> bytes_;
    std::bitset<256> missingBytes_;  // CP1251 characters (not controls) without a glyph
    std::vector<uint16_t> direct_;
    std::vector<std::pair<char32_t, uint16_t>> beyond_;  // ascending code points
    uint16_t replacement_ = kNoGlyph;
};

// Whether a code point is a control character (C0, DEL or C1): it draws nothing and moves
// nothing, as CP1251's control bytes draw nothing in the fonts the font maker writes.
inline bool IsControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

}  // namespace lexo
