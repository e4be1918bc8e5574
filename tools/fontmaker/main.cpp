// fontmaker: renders the 256 CP1251 codes of a TrueType font into a .dft bitmap font.
//
//   fontmaker --font FILE.ttf --size PIXELS --out FILE.dft
//             [--outline PIXELS] [--outline-colour 0xBBGGRR]

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "atlas.h"
#include "file_bytes.h"
#include "font_dft.h"
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

// The Unicode code point of one CP1251 byte; 0 for the unassigned byte and the controls,
// which get no glyph.
char32_t CodePointOf(unsigned char byte) {
    std::string utf8 = lexo::Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
    auto b = [&](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(utf8[i])); };
    char32_t code = 0;
    if (utf8.size() == 1) code = b(0);
    if (utf8.size() == 2) code = (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    if (utf8.size() == 3) code = (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    if (code < 0x20 || code == 0x7F || code == 0xFFFD) return 0;
    return code;
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
    std::array<std::optional<lexo::GlyphBitmap>, 256> glyphs;
    for (int code = 0; code < 256; ++code) {
        char32_t codePoint = CodePointOf(static_cast<unsigned char>(code));
        if (codePoint == 0) continue;
        glyphs[code] = rasterizer->Render(codePoint);
        if (!glyphs[code]) {
            std::fprintf(stderr, "fontmaker: no glyph for CP1251 code 0x%02X (U+%04X)\n", code,
                         static_cast<unsigned>(codePoint));
        }
    }
    lexo::FontLayout layout{rasterizer->Metrics(), static_cast<int>(std::ceil(options.outline)),
                            options.outline > 0, options.outlineColour};
    std::optional<lexo::DftFont> font = lexo::BuildFont(glyphs, layout, error);
    if (!font) {
        std::fprintf(stderr, "fontmaker: %s\n", error.c_str());
        return 1;
    }
    if (!lexo::WriteFileBytes(options.out.c_str(), lexo::EncodeDft(*font))) {
        std::fprintf(stderr, "fontmaker: cannot write %s\n", options.out.c_str());
        return 1;
    }
    return 0;
}
