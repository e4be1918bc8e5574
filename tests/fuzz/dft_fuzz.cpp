// A .dft font of any bytes, of either version: the reader refuses it or gives a font that writes
// back to the same font, and every line of text in it, CP1251 or UTF-8 (well-formed or not),
// draws inside the frame, at any place, scale and alpha.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "dft/font_dft.h"
#include "draw_list.h"
#include "font.h"
#include "frame.h"
#include "fuzz_check.h"

namespace {

// Every byte value once, then a word drawn many times over.
std::string Texts() {
    std::string all;
    for (int code = 1; code < 256; ++code) all += static_cast<char>(code);
    return all;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<lexo::DftFont> parsed = lexo::ParseDft(std::span(data, size));
    if (!parsed) return 0;
    LEXO_FUZZ_CHECK(lexo::ParseDft(lexo::EncodeDft(*parsed)) == parsed);

    static lexo::Frame frame;
    if (!frame.Exists()) frame.Resize(96, 48);
    const lexo::Font font(*parsed);
    static const std::string all = Texts();
    const std::string word = "\xCF\xF0\xE8\xE2\xE5\xF2 word";  // "Привет word"
    // "Straße καλημέρα їжак ș", an unknown character, a cut sequence, a stray continuation.
    const std::string unicode =
        "Stra\xC3\x9F"
        "e \xCE\xBA\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1 "
        "\xD1\x97\xD0\xB6\xD0\xB0\xD0\xBA \xC8\x99 \xE4\xB8\xAD \xE2\x82 \x80!";
    using lexo::TextEncoding;
    struct Draw {
        int32_t x, y;
        double scale;
        int32_t alpha;
        const std::string& text;
        TextEncoding encoding;
    };
    const Draw draws[] = {
        {0, 0, 1.0, 255, all, TextEncoding::Cp1251},
        {-40, 10, 1.0, 128, word, TextEncoding::Cp1251},
        {30, -5, 2.5, 255, word, TextEncoding::Cp1251},
        {10, 20, 0.5, 300, all, TextEncoding::Utf8},
        {90, 40, 1.0, 255, unicode, TextEncoding::Utf8},
        {-2147483647, 5, 1.0, 255, word, TextEncoding::Cp1251},
        {5, 2147483647, 3.0, 1, all, TextEncoding::Cp1251},
        {-100, -100, 64.0, 255, unicode, TextEncoding::Utf8},
        {3, 7, 1.0, 255, unicode, TextEncoding::Utf8},
    };
    frame.Begin();
    for (const Draw& draw : draws) {
        const lexo::TextStyle style{0x00FF00, draw.alpha, draw.scale};
        lexo::GlyphRun glyphs = font.ShownGlyphs(draw.text.c_str(), draw.encoding, draw.scale,
                                                 draw.x, frame.Bounds().x1);
        frame.Record(lexo::DrawCommand::MakeText(font, draw.x, draw.y, std::move(glyphs), style,
                                                 frame.Bounds()));
    }
    frame.End();
    return 0;
}
