// A .dft font of any bytes: the reader refuses it or gives a font that writes back to the same
// font, and every line of text in it draws inside the frame, at any place, scale and alpha.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "draw_list.h"
#include "font.h"
#include "font_dft.h"
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
    struct Draw {
        int32_t x, y;
        double scale;
        int32_t alpha;
        const std::string& text;
    };
    const Draw draws[] = {
        {0, 0, 1.0, 255, all},        {-40, 10, 1.0, 128, word},
        {30, -5, 2.5, 255, word},     {10, 20, 0.5, 300, all},
        {90, 40, 1.0, 255, word},     {-2147483647, 5, 1.0, 255, word},
        {5, 2147483647, 3.0, 1, all}, {-100, -100, 64.0, 255, word},
    };
    frame.Begin();
    for (const Draw& draw : draws) {
        const lexo::TextStyle style{0x00FF00, draw.alpha, draw.scale};
        frame.Record(
            lexo::DrawCommand::MakeText(font, draw.x, draw.y, draw.text, style, frame.Bounds()));
    }
    frame.End();
    return 0;
}
