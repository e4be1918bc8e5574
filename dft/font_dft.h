#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The .dft bitmap font (docs/dft-format.md): glyphs, each a box of an 8-bit coverage atlas with
// its placement and advance; optionally a second atlas plane with an outline drawn under the
// glyphs in the font's own outline colour. A classic (version 1) font has 256 glyphs, one per
// CP1251 code; a version 2 font names the Unicode code point of each of its glyphs.
namespace lexo {

inline constexpr uint16_t kDftClassicVersion = 1;
inline constexpr uint16_t kDftVersion = 2;
inline constexpr size_t kDftHeaderSize = 40;
inline constexpr size_t kDftClassicRecordSize = 16;
inline constexpr size_t kDftRecordSize = 20;
inline constexpr size_t kDftClassicGlyphCount = 256;
inline constexpr size_t kDftMaxGlyphCount = 0xFFFE;
inline constexpr int kDftMaxAtlasSide = 4096;
inline constexpr int kDftMaxLineHeight = 1024;

struct DftGlyph {
    uint16_t atlasX = 0;  // the glyph's box in the atlas
    uint16_t atlasY = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    int16_t left = 0;     // from the pen position to the box's left edge
    int16_t top = 0;      // from the top of the line to the box's top edge
    int16_t advance = 0;  // how far the pen moves on, 0 or more

    bool operator==(const DftGlyph&) const = default;
};

struct DftFont {
    uint16_t lineHeight = 0;
    uint16_t ascent = 0;  // from the top of the line to the baseline
    uint16_t atlasWidth = 0;
    uint16_t atlasHeight = 0;
    bool hasOutline = false;
    uint32_t outlineColour = 0;  // 0x00BBGGRR
    // Classic: 256 glyphs, glyph i for CP1251 code i, and no code points. Otherwise one code
    // point per glyph, strictly ascending, none a surrogate or beyond U+10FFFF.
    std::vector<DftGlyph> glyphs = std::vector<DftGlyph>(kDftClassicGlyphCount);
    std::vector<char32_t> codePoints;
    std::vector<uint8_t> coverage;  // atlasWidth x atlasHeight, rows top to bottom
    std::vector<uint8_t> outline;   // the same size when hasOutline, else empty

    bool Classic() const { return codePoints.empty(); }
    bool operator==(const DftFont&) const = default;
};

// Reads a .dft file held in memory, of either version. Nothing (no value) for anything
// malformed or truncated: every size, offset, count, code point and glyph box is checked before
// it is used, and nothing is allocated beyond what the bytes given hold.
std::optional<DftFont> ParseDft(std::span<const uint8_t> file);

// Writes a font as .dft bytes: version 1 for a classic font, 2 otherwise. The font must be
// valid (ParseDft of the result gives it back).
std::vector<uint8_t> EncodeDft(const DftFont& font);

}  // namespace lexo
