#include <iterator>

#include "hostile_corpus.h"

namespace lexo::hostile {
namespace {

constexpr size_t kHeaderSize = 40;
constexpr size_t kRecordSize = 16;
constexpr int kAtlasSide = 8;

// Header fields by offset.
constexpr size_t kVersion = 4;
constexpr size_t kHeaderSizeField = 6;
constexpr size_t kGlyphCount = 8;
constexpr size_t kRecordSizeField = 10;
constexpr size_t kLineHeight = 12;
constexpr size_t kAscent = 14;
constexpr size_t kAtlasWidth = 16;
constexpr size_t kPlanes = 20;
constexpr size_t kReserved = 22;
constexpr size_t kOutlineColour = 24;
constexpr size_t kTableOffset = 28;
constexpr size_t kAtlasOffset = 32;
constexpr size_t kAtlasSize = 36;

size_t Glyph(unsigned code) { return kHeaderSize + code * kRecordSize; }

// Version 2: records of 20 bytes, the code point first.
constexpr size_t kUnicodeRecordSize = 20;
size_t UnicodeGlyph(unsigned index) { return kHeaderSize + index * kUnicodeRecordSize; }

Bytes With16(Bytes bytes, size_t at, uint32_t value) {
    SetU16(bytes, at, value);
    return bytes;
}

Bytes With32(Bytes bytes, size_t at, uint32_t value) {
    SetU32(bytes, at, value);
    return bytes;
}

}  // namespace

Bytes ValidFont(bool outline) {
    const uint32_t planes = outline ? 2 : 1;
    Bytes font{'D', 'F', 'T', 0x1A};
    for (uint32_t v : {1u, 40u, 256u, 16u, 8u, 6u, 8u, 8u}) PutU16(font, v);
    font.push_back(static_cast<uint8_t>(planes));
    font.push_back(0);
    PutU16(font, 0);
    const uint32_t atlasOffset = kHeaderSize + 256 * kRecordSize;
    for (uint32_t v : {outline ? 0xFFFFFFu : 0u, 40u, atlasOffset, 64u * planes}) PutU32(font, v);
    for (unsigned code = 0; code < 256; ++code) {
        const bool shows = code > 0x20 && code != 0x7F;
        // A 3 x 5 box, or with an outline the 5 x 7 box around it.
        const uint32_t x = outline ? 0 : 1;
        const uint32_t size = outline ? 2 : 0;
        for (uint32_t v : {x, x, shows ? 3 + size : 0, shows ? 5 + size : 0}) PutU16(font, v);
        for (int v : {outline ? -1 : 0, 1, code >= 0x20 ? 4 : 0, 0})
            PutU16(font, static_cast<uint32_t>(v));
    }
    for (int y = 0; y < kAtlasSide; ++y) {
        for (int x = 0; x < kAtlasSide; ++x) {
            const bool inner = x >= 1 && x <= 3 && y >= 1 && y <= 5;
            font.push_back(inner ? 255 : 0);
        }
    }
    if (outline) font.insert(font.end(), 64, 128);
    return font;
}

// A version 2 font of the same 3 x 5 box for " ", "A", "ä", "λ", "ї" and U+FFFD.
Bytes ValidUnicodeFont() {
    const uint32_t codes[] = {0x20, 0x41, 0xE4, 0x3BB, 0x457, 0xFFFD};
    const uint32_t count = std::size(codes);
    Bytes font{'D', 'F', 'T', 0x1A};
    for (uint32_t v : {2u, 40u, count, 20u, 8u, 6u, 8u, 8u}) PutU16(font, v);
    font.push_back(1);
    font.push_back(0);
    PutU16(font, 0);
    const uint32_t atlasOffset = kHeaderSize + count * kUnicodeRecordSize;
    for (uint32_t v : {0u, 40u, atlasOffset, 64u}) PutU32(font, v);
    for (uint32_t code : codes) {
        PutU32(font, code);
        const bool shows = code != 0x20;
        for (uint32_t v : {1u, 1u, shows ? 3u : 0u, shows ? 5u : 0u, 0u, 1u, 4u, 0u}) {
            PutU16(font, v);
        }
    }
    const Bytes classic = ValidFont(false);
    font.insert(font.end(), classic.end() - 64, classic.end());
    return font;
}

void AddFonts(Corpus& corpus) {
    const Bytes good = ValidFont(false);
    auto add = [&](const std::string& name, Bytes bytes) {
        corpus["dft/" + name] = std::move(bytes);
    };

    add("valid.dft", good);
    add("valid-outline.dft", ValidFont(true));
    // Placements at the ends of their ranges are allowed and draw far off the line.
    Bytes extreme = good;
    for (unsigned code = 0x41; code <= 0x5A; ++code) {
        SetU16(extreme, Glyph(code) + 8, code % 2 == 0 ? 0x8000 : 0x7FFF);
        SetU16(extreme, Glyph(code) + 10, code % 3 == 0 ? 0x8000 : 0x7FFF);
        SetU16(extreme, Glyph(code) + 12, 0x7FFF);
    }
    add("valid-extreme-placement.dft", extreme);

    add("empty.dft", {});
    add("truncated-header.dft", Truncated(good, 20));
    add("truncated-glyphs.dft", Truncated(good, kHeaderSize + 100));
    add("truncated-atlas.dft", Truncated(good, good.size() - 1));
    Bytes longer = good;
    longer.push_back(0);
    add("trailing-byte.dft", longer);
    add("wrong-magic.dft", With16(good, 0, 'F' | 'D' << 8));
    add("version-2.dft", With16(good, kVersion, 2));
    add("header-size-41.dft", With16(good, kHeaderSizeField, 41));
    add("glyph-count-255.dft", With16(good, kGlyphCount, 255));
    add("glyph-count-65535.dft", With16(good, kGlyphCount, 65535));
    add("record-size-15.dft", With16(good, kRecordSizeField, 15));
    add("line-height-0.dft", With16(good, kLineHeight, 0));
    add("line-height-over-limit.dft", With16(good, kLineHeight, 1025));
    add("ascent-over-line-height.dft", With16(good, kAscent, 9));
    add("atlas-width-0.dft", With16(good, kAtlasWidth, 0));
    add("atlas-over-limit.dft", With16(good, kAtlasWidth, 4097));
    add("atlas-65535-square.dft",
        With32(With32(good, kAtlasWidth, 0xFFFFFFFF), kAtlasSize, 0xFFFE0001));
    Bytes planes = good;
    planes[kPlanes] = 3;
    add("planes-3.dft", planes);
    add("outline-colour-one-plane.dft", With32(good, kOutlineColour, 0x00FF00));
    add("reserved-nonzero.dft", With16(good, kReserved, 1));
    add("glyph-table-offset-0.dft", With32(good, kTableOffset, 0));
    add("glyph-table-past-end.dft", With32(good, kTableOffset, 0xFFFFFFF0));
    add("atlas-offset-in-glyph-table.dft", With32(good, kAtlasOffset, 100));
    add("atlas-offset-huge.dft", With32(good, kAtlasOffset, 0xFFFFFFFF));
    add("atlas-size-huge.dft", With32(good, kAtlasSize, 0xFFFFFFFF));
    add("glyph-box-outside-atlas.dft", With16(good, Glyph('A') + 4, 9));
    add("glyph-box-x-overflow.dft", With16(With16(good, Glyph('B'), 0xFFFF), Glyph('B') + 4, 2));
    add("glyph-negative-advance.dft", With16(good, Glyph('C') + 12, 0xFFFF));
    add("glyph-reserved-nonzero.dft", With16(good, Glyph('D') + 14, 7));
    const Bytes unicode = ValidUnicodeFont();
    add("valid-unicode.dft", unicode);
    add("unicode-code-points-unordered.dft", With32(unicode, UnicodeGlyph(2), 0x30));
    add("unicode-code-point-repeated.dft", With32(unicode, UnicodeGlyph(2), 0x41));
    add("unicode-surrogate.dft", With32(unicode, UnicodeGlyph(3), 0xD800));
    add("unicode-beyond-10ffff.dft", With32(unicode, UnicodeGlyph(5), 0x110000));
    add("unicode-glyph-count-0.dft", With16(unicode, kGlyphCount, 0));
    add("unicode-record-size-16.dft", With16(unicode, kRecordSizeField, 16));
    add("unicode-glyph-count-over-table.dft", With16(unicode, kGlyphCount, 7));
    add("garbage.dft", Garbage(4200, 2, false));
    Bytes magicThenGarbage = Garbage(4200, 3, false);
    std::copy(good.begin(), good.begin() + 12, magicThenGarbage.begin());
    add("header-start-then-garbage.dft", magicThenGarbage);
}

}  // namespace lexo::hostile
