// The .dft reader and writer against the byte layout of docs/dft-format.md.

#include <gtest/gtest.h>

#include "dft/font_dft.h"

namespace lexo {
namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void Set(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A font assembled byte by byte as the format describes it: a 3 x 2 atlas with an outline
// plane; glyph 'x' is the atlas's right 2 x 2 box.
std::vector<uint8_t> HandMadeFont() {
    std::vector<uint8_t> bytes{'D', 'F', 'T', 0x1A};
    for (uint32_t v : {1u, 40u, 256u, 16u, 12u, 9u, 3u, 2u}) Put(bytes, v, 2);
    Put(bytes, 2, 1);  // planes
    Put(bytes, 0, 3);
    for (uint32_t v : {0x00C0FFEEu, 40u, 40u + 256 * 16, 12u}) Put(bytes, v, 4);
    for (int code = 0; code < 256; ++code) {
        bool x = code == 'x';
        for (uint32_t v : {x ? 1u : 0u, 0u, x ? 2u : 0u, x ? 2u : 0u}) Put(bytes, v, 2);
        for (int v : {x ? -1 : 0, x ? 3 : 0, x ? 4 : 0, 0}) Put(bytes, static_cast<uint32_t>(v), 2);
    }
    for (uint8_t v : {0, 10, 20, 30, 40, 50}) bytes.push_back(v);     // coverage
    for (uint8_t v : {60, 70, 80, 90, 100, 110}) bytes.push_back(v);  // outline
    return bytes;
}

TEST(DftFormat, ReadsTheDocumentedLayout) {
    std::optional<DftFont> font = ParseDft(HandMadeFont());
    ASSERT_TRUE(font);
    EXPECT_EQ(font->lineHeight, 12);
    EXPECT_EQ(font->ascent, 9);
    EXPECT_EQ(font->atlasWidth, 3);
    EXPECT_EQ(font->atlasHeight, 2);
    EXPECT_TRUE(font->hasOutline);
    EXPECT_EQ(font->outlineColour, 0xC0FFEEu);
    EXPECT_EQ(font->glyphs['x'], (DftGlyph{1, 0, 2, 2, -1, 3, 4}));
    EXPECT_EQ(font->glyphs['y'], DftGlyph{});
    EXPECT_EQ(font->coverage, (std::vector<uint8_t>{0, 10, 20, 30, 40, 50}));
    EXPECT_EQ(font->outline, (std::vector<uint8_t>{60, 70, 80, 90, 100, 110}));
    EXPECT_EQ(EncodeDft(*font), HandMadeFont());
}

TEST(DftFormat, EveryTruncationAndEveryExtraByteIsRefused) {
    const std::vector<uint8_t> whole = HandMadeFont();
    for (size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(ParseDft(std::span(whole.data(), size))) << size;
    }
    std::vector<uint8_t> longer = whole;
    longer.push_back(0);
    EXPECT_FALSE(ParseDft(longer));
}

TEST(DftFormat, FieldsOutOfTheirRangeAreRefused) {
    const size_t glyphX = 40 + 'x' * 16;
    struct Damage {
        const char* what;
        size_t at;
        uint32_t value;
        int size;
    };
    const Damage damages[] = {
        {"magic", 3, 0x1B, 1},
        {"version", 4, 2, 2},
        {"header size", 6, 44, 2},
        {"glyph count", 8, 255, 2},
        {"record size", 10, 18, 2},
        {"line height 0", 12, 0, 2},
        {"line height too large", 12, 1025, 2},
        {"ascent below the line", 14, 13, 2},
        {"atlas width 0", 16, 0, 2},
        {"atlas too wide", 16, 4097, 2},
        {"planes", 20, 3, 1},
        {"reserved byte", 21, 1, 1},
        {"reserved word", 22, 1, 2},
        {"outline colour", 24, 0x01000000, 4},
        {"glyph table inside the header", 28, 39, 4},
        {"atlas inside the glyph table", 32, 40 + 255 * 16, 4},
        {"atlas size", 36, 13, 4},
        {"atlas size wrapping around", 36, 0xFFFFFFFF, 4},
        {"glyph box past the atlas", glyphX, 2, 2},
        {"glyph taller than the atlas", glyphX + 6, 3, 2},
        {"negative advance", glyphX + 12, 0xFFFF, 2},
        {"glyph reserved word", glyphX + 14, 1, 2},
    };
    for (const Damage& damage : damages) {
        std::vector<uint8_t> bytes = HandMadeFont();
        Set(bytes, damage.at, damage.value, damage.size);
        EXPECT_FALSE(ParseDft(bytes)) << damage.what;
    }
    // A single plane carries no outline colour.
    std::vector<uint8_t> single = HandMadeFont();
    Set(single, 20, 1, 1);
    Set(single, 36, 6, 4);
    single.resize(single.size() - 6);
    EXPECT_FALSE(ParseDft(single));
    Set(single, 24, 0, 4);
    EXPECT_TRUE(ParseDft(single));
}

}  // namespace
}  // namespace lexo
