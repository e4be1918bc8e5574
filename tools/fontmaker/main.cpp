// fontmaker: renders the characters of the European scripts of a TrueType font into a .dft
// bitmap font.
//
//   fontmaker --font FILE.ttf --size PIXELS --out FILE.dft
//             [--outline PIXELS] [--outline-colour 0xBBGGRR]

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "atlas.h"
#include "dft/font_dft.h"
#include "dft/glyph_map.h"
#include "glyph_raster.h"
#include "text/cp1251.h"
#include "text/str_to_int.h"

namespace {

struct Options {
    std::string font;
    std::string out;
    int size = 0;
    double outline = 0;
    uint32_t outlineColour = 0xFFFFFF;
};

constexpr const char* kUsage =
    "usage: fontmaker --font FILE.ttf --size PIXELS --out FILE.dft\n"
    "                 [--outline PIXELS] [--outline-colour 0xBBGGRR]\n";

bool ParseOptions(int argc, char** argv, Options& options) {
    std::map<std::string, std::string> values;
    for (int i = 1; i < argc; i += 2) {
        std::string name = argv[i];
        if (i + 1 >= argc || name.rfind("--", 0) != 0) return false;
        values[name] = argv[i + 1];
    }
    for (const auto& [name, value] : values) {
        if (name == "--font") {
            options.font = value;
        } else if (name == "--out") {
            options.out = value;
        } else if (name == "--size") {
            options.size = lexo::TryStrToInt(value).value_or(0);
        } else if (name == "--outline") {
            char* end = nullptr;
            options.outline = std::strtod(value.c_str(), &end);
            if (end == value.c_str() || *end != '\0') return false;
        } else if (name == "--outline-colour") {
            std::optional<int32_t> colour = lexo::TryStrToInt(value);
            if (!colour || *colour < 0 || *colour > 0xFFFFFF) return false;
            options.outlineColour = static_cast<uint32_t>(*colour);
        } else {
            return false;
        }
    }
    return !options.font.empty() && !options.out.empty() && options.size >= 1 &&
           options.size <= 512 && options.outline >= 0 && options.outline <= 16;
}

// Every character of CP1251 but the controls; the Latin letters of European languages with
// their diacritics (Latin-1 Supplement, Latin Extended-A, Romanian's comma-below letters);
// combining diacritics, for text written decomposed; Greek with tonos and dialytika; Cyrillic
// of Russian, Ukrainian, Belarusian, Serbian, Macedonian and Bulgarian; the general
// punctuation; and U+FFFD, the replacement mark for any other character.
std::vector<char32_t> Repertoire() {
    std::vector<char32_t> codes;
    for (int byte = 0x20; byte < 256; ++byte) {
        const char32_t code = lexo::Cp1251CodePoint(static_cast<unsigned char>(byte));
        if (code != 0 && !lexo::IsControl(code)) codes.push_back(code);
    }
    const std::pair<char32_t, char32_t> ranges[] = {
        {0x00A0, 0x017F}, {0x0218, 0x021B}, {0x0300, 0x034F}, {0x0384, 0x038A}, {0x038C, 0x038C},
        {0x038E, 0x03A1}, {0x03A3, 0x03CE}, {0x0400, 0x045F}, {0x0490, 0x0491}, {0x2010, 0x2027},
        {0x2030, 0x203A}, {0x20AC, 0x20AC}, {0x2116, 0x2116}, {0x2122, 0x2122}, {0xFFFD, 0xFFFD},
    };
    for (const auto& [first, last] : ranges) {
        for (char32_t code = first; code <= last; ++code) codes.push_back(code);
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

// Writes the font as a .dft file, replacing it. False when its bytes cannot all be written.
bool WriteFont(const std::string& path, const lexo::DftFont& font) {
    const std::vector<uint8_t> bytes = lexo::EncodeDft(font);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string error;
    auto rasterizer =
        lexo::GlyphRasterizer::Open(options.font, options.size, options.outline, error);
    if (!rasterizer) {
        std::fprintf(stderr, "fontmaker: %s\n", error.c_str());
        return 1;
    }
    std::vector<lexo::CharacterBitmap> glyphs;
    for (char32_t code : Repertoire()) {
        std::optional<lexo::GlyphBitmap> glyph = rasterizer->Render(code);
        if (glyph) {
            glyphs.push_back({code, std::move(*glyph)});
        } else {
            std::fprintf(stderr, "fontmaker: no glyph for U+%04X\n", static_cast<unsigned>(code));
        }
    }
    lexo::FontLayout layout{rasterizer->Metrics(), static_cast<int>(std::ceil(options.outline)),
                            options.outline > 0, options.outlineColour};
    std::optional<lexo::DftFont> font = lexo::BuildFont(glyphs, layout, error);
    if (!font) {
        std::fprintf(stderr, "fontmaker: %s\n", error.c_str());
        return 1;
    }
    if (!WriteFont(options.out, *font)) {
        std::fprintf(stderr, "fontmaker: cannot write %s\n", options.out.c_str());
        return 1;
    }
    return 0;
}
