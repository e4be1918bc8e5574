#include "dft/font_dft.h"

#include "dft/le_bytes.h"

namespace lexo {
namespace {

constexpr uint8_t kMagic[4] = {'D', 'F', 'T', 0x1A};

struct Header {
    uint16_t version, glyphCount, lineHeight, ascent, atlasWidth, atlasHeight;
    uint8_t planes;
    uint32_t outlineColour, glyphTableOffset, atlasOffset, atlasSize;

    size_t RecordSize() const {
        return version == kDftClassicVersion ? kDftClassicRecordSize : kDftRecordSize;
    }
};

// The version, glyph count and record size: a classic font has 256 records of 16 bytes, a
// version 2 font 1 ... 65534 records of 20.
bool CountsFit(uint16_t version, uint16_t glyphCount, uint16_t recordSize) {
    if (version == kDftClassicVersion) {
        return glyphCount == kDftClassicGlyphCount && recordSize == kDftClassicRecordSize;
    }
    return version == kDftVersion && glyphCount >= 1 && glyphCount <= kDftMaxGlyphCount &&
           recordSize == kDftRecordSize;
}

std::optional<Header> ReadHeader(std::span<const uint8_t> file) {
    if (file.size() < kDftHeaderSize) return std::nullopt;
    for (size_t i = 0; i < 4; ++i) {
        if (file[i] != kMagic[i]) return std::nullopt;
    }
    if (!CountsFit(le::U16(file, 4), le::U16(file, 8), le::U16(file, 10)) ||
        le::U16(file, 6) != kDftHeaderSize || file[21] != 0 || le::U16(file, 22) != 0) {
        return std::nullopt;
    }
    Header h{le::U16(file, 4),  le::U16(file, 8),  le::U16(file, 12), le::U16(file, 14),
             le::U16(file, 16), le::U16(file, 18), file[20],          le::U32(file, 24),
             le::U32(file, 28), le::U32(file, 32), le::U32(file, 36)};
    if (h.lineHeight < 1 || h.lineHeight > kDftMaxLineHeight || h.ascent > h.lineHeight) {
        return std::nullopt;
    }
    if (h.atlasWidth < 1 || h.atlasWidth > kDftMaxAtlasSide || h.atlasHeight < 1 ||
        h.atlasHeight > kDftMaxAtlasSide) {
        return std::nullopt;
    }
    if (h.planes != 1 && h.planes != 2) return std::nullopt;
    if (h.outlineColour > 0xFFFFFF || (h.planes == 1 && h.outlineColour != 0)) return std::nullopt;

    const uint64_t tableEnd =
        uint64_t{h.glyphTableOffset} + uint64_t{h.glyphCount} * h.RecordSize();
    const uint64_t atlasBytes = uint64_t{h.atlasWidth} * h.atlasHeight * h.planes;
    if (h.glyphTableOffset < kDftHeaderSize || h.atlasOffset < tableEnd) return std::nullopt;
    if (h.atlasSize != atlasBytes) return std::nullopt;
    if (uint64_t{h.atlasOffset} + atlasBytes != file.size()) return std::nullopt;
    return h;
}

std::optional<DftGlyph> ReadGlyph(std::span<const uint8_t> file, size_t at, const Header& h) {
    DftGlyph g{le::U16(file, at),     le::U16(file, at + 2), le::U16(file, at + 4),
               le::U16(file, at + 6), le::I16(file, at + 8), le::I16(file, at + 10),
               le::I16(file, at + 12)};
    if (le::U16(file, at + 14) != 0 || g.advance < 0) return std::nullopt;
    if (uint32_t{g.atlasX} + g.width > h.atlasWidth) return std::nullopt;
    if (uint32_t{g.atlasY} + g.height > h.atlasHeight) return std::nullopt;
    return g;
}

bool IsScalarValue(char32_t code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

}  // namespace

std::optional<DftFont> ParseDft(std::span<const uint8_t> file) {
    std::optional<Header> header = ReadHeader(file);
    if (!header) return std::nullopt;
    const bool classic = header->version == kDftClassicVersion;
    DftFont font;
    font.glyphs.resize(header->glyphCount);
    if (!classic) font.codePoints.reserve(header->glyphCount);
    for (size_t i = 0; i < header->glyphCount; ++i) {
        size_t at = header->glyphTableOffset + i * header->RecordSize();
        if (!classic) {
            const char32_t code = le::U32(file, at);
            if (!IsScalarValue(code)) return std::nullopt;
            if (!font.codePoints.empty() && code <= font.codePoints.back()) return std::nullopt;
            font.codePoints.push_back(code);
            at += 4;
        }
        std::optional<DftGlyph> glyph = ReadGlyph(file, at, *header);
        if (!glyph) return std::nullopt;
        font.glyphs[i] = *glyph;
    }
    font.lineHeight = header->lineHeight;
    font.ascent = header->ascent;
    font.atlasWidth = header->atlasWidth;
    font.atlasHeight = header->atlasHeight;
    font.hasOutline = header->planes == 2;
    font.outlineColour = header->outlineColour;
    const size_t plane = size_t{header->atlasWidth} * header->atlasHeight;
    const uint8_t* atlas = file.data() + header->atlasOffset;
    font.coverage.assign(atlas, atlas + plane);
    if (font.hasOutline) font.outline.assign(atlas + plane, atlas + 2 * plane);
    return font;
}

std::vector<uint8_t> EncodeDft(const DftFont& font) {
    const bool classic = font.Classic();
    const uint32_t planes = font.hasOutline ? 2 : 1;
    const uint32_t recordSize = classic ? kDftClassicRecordSize : kDftRecordSize;
    const auto glyphCount = static_cast<uint32_t>(font.glyphs.size());
    const uint32_t tableOffset = kDftHeaderSize;
    const uint32_t atlasOffset = tableOffset + glyphCount * recordSize;
    const uint32_t atlasSize = uint32_t{font.atlasWidth} * font.atlasHeight * planes;
    std::vector<uint8_t> out(kMagic, kMagic + 4);
    out.reserve(atlasOffset + atlasSize);
    for (uint32_t value :
         {uint32_t{classic ? kDftClassicVersion : kDftVersion}, uint32_t{kDftHeaderSize},
          glyphCount, recordSize, uint32_t{font.lineHeight}, uint32_t{font.ascent},
          uint32_t{font.atlasWidth}, uint32_t{font.atlasHeight}}) {
        le::PutU16(out, value);
    }
    out.push_back(static_cast<uint8_t>(planes));
    out.push_back(0);
    le::PutU16(out, 0);
    for (uint32_t value :
         {font.hasOutline ? font.outlineColour : 0u, tableOffset, atlasOffset, atlasSize}) {
        le::PutU32(out, value);
    }
    for (size_t i = 0; i < font.glyphs.size(); ++i) {
        if (!classic) le::PutU32(out, font.codePoints[i]);
        const DftGlyph& g = font.glyphs[i];
        for (uint32_t value :
             {uint32_t{g.atlasX}, uint32_t{g.atlasY}, uint32_t{g.width}, uint32_t{g.height},
              static_cast<uint32_t>(g.left & 0xFFFF), static_cast<uint32_t>(g.top & 0xFFFF),
              static_cast<uint32_t>(g.advance & 0xFFFF), 0u}) {
            le::PutU16(out, value);
        }
    }
    out.insert(out.end(), font.coverage.begin(), font.coverage.end());
    if (font.hasOutline) out.insert(out.end(), font.outline.begin(), font.outline.end());
    return out;
}

}  // namespace lexo
