// DrawText2D and DrawText2D_UTF8 with small made-up fonts whose every pixel is known, and the
// two shipped fonts.

#include <cmath>
#include <limits>

#include "dft/font_dft.h"
#include "dft/glyph_map.h"
#include "engine_fixture.h"
#include "file_bytes.h"
#include "text/cp1251.h"

namespace lexo::test {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

// 'A': a 3 x 4 solid box, 1 right of the pen and 2 below the line top, advance 5.
// 'h': a 2 x 2 box of half coverage at the pen, advance 3.
// 'o': a 3 x 4 solid box inside a 5 x 6 glyph box, advance 3, with a one-pixel outline ring
// around it when the font has an outline.
DftFont TestFont(bool outline) {
    DftFont font;
    font.lineHeight = 10;
    font.ascent = 8;
    font.atlasWidth = 16;
    font.atlasHeight = 6;
    font.coverage.assign(16 * 6, 0);
    auto box = [&](std::vector<uint8_t>& plane, int x0, int y0, int w, int h, uint8_t value) {
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) plane[size_t(y) * 16 + x] = value;
        }
    };
    box(font.coverage, 0, 0, 3, 4, 255);
    font.glyphs['A'] = {0, 0, 3, 4, 1, 2, 5};
    // 'L': the same box, drawn 6 left of the pen, advance 1.
    font.glyphs['L'] = {0, 0, 3, 4, -6, 2, 1};
    box(font.coverage, 3, 0, 2, 2, 128);
    font.glyphs['h'] = {3, 0, 2, 2, 0, 0, 3};
    box(font.coverage, 6, 1, 3, 4, 255);
    font.glyphs['o'] = {5, 0, 5, 6, 0, 1, 3};
    if (outline) {
        font.hasOutline = true;
        font.outlineColour = ColourRef(0x00FF00);
        font.outline.assign(16 * 6, 0);
        box(font.outline, 5, 0, 5, 6, 255);
    }
    font.glyphs[0xC6] = font.glyphs['h'];  // "Ж"
    return font;
}

// The same atlas with code points: "A", "Ä" (the 'h' box), "λ" (the 'o' box), "ї" (the 'A' box
// 1 higher) and the replacement mark U+FFFD (the top 2 x 2 of the 'A' box, 6 below the line
// top, advance 4).
DftFont UnicodeTestFont() {
    DftFont font = TestFont(false);
    const DftFont classic = font;
    font.codePoints = {U'A', U'Ä', U'λ', U'ї', U'\uFFFD'};
    font.glyphs = {classic.glyphs['A'], classic.glyphs['h'], classic.glyphs['o'],
                   DftGlyph{0, 0, 3, 4, 1, 1, 5}, DftGlyph{0, 0, 2, 2, 0, 6, 4}};
    return font;
}

class TextDrawing : public EngineTest {
  protected:
    uint32_t LoadFont(const DftFont& font) {
        std::string path = WriteFile("font" + std::to_string(fonts_++) + ".dft", EncodeDft(font));
        return e.LoadFontFromFile(path.c_str());
    }

  private:
    int fonts_ = 0;
};

TEST_F(TextDrawing, GlyphsLandAtThePenPlusTheirOffsetsInTheColourGiven) {
    Start(30, 20);
    uint32_t font = LoadFont(TestFont(false));
    ASSERT_NE(font, 0u);
    RgbImage screen =
        Picture([&] { e.DrawText2D(font, 10, 5, "AA", ColourRef(0xFF0000), 255, 1.0); });
    EXPECT_EQ(screen.Count(0xFF0000), 24);
    for (int x : {11, 13, 16, 18}) {
        EXPECT_EQ(screen.At(x, 7), 0xFF0000u) << x;
        EXPECT_EQ(screen.At(x, 10), 0xFF0000u) << x;
    }
    EXPECT_EQ(screen.At(14, 7), kBlack);
    EXPECT_EQ(screen.At(11, 6), kBlack);

    RgbImage blue = Picture([&] { e.DrawText2D(font, 0, 0, "A", 0xFF0000, 255, 1.0); });
    EXPECT_EQ(blue.Count(0x0000FF), 12);
}

TEST_F(TextDrawing, CoverageAndAlphaBlendOverTheFrame) {
    Start(8, 4);
    uint32_t font = LoadFont(TestFont(false));
    uint32_t white = LoadPicture(RgbImage(8, 4, kWhite), -1);
    RgbImage screen = Picture([&] {
        e.DrawTexture2D_Simple(white, 0, 0, 8, 4, 0, 0);
        e.DrawText2D(font, 0, 0, "h", ColourRef(0x000000), 255, 1.0);
        e.DrawText2D(font, 3, 0, "A", ColourRef(0x000000), 128, 1.0);
    });
    EXPECT_EQ(screen.At(0, 0), 0x7F7F7Fu);  // 128 of 255 black over white
    EXPECT_EQ(screen.At(4, 2), 0x7F7F7Fu);
    EXPECT_EQ(screen.At(2, 0), kWhite);
    EXPECT_EQ(Picture([&] { e.DrawText2D(font, 0, 0, "A", 0, 0, 1.0); }).Count(kBlack), 32);
}

TEST_F(TextDrawing, OutlinesGoUnderEveryGlyphOfTheText) {
    Start(12, 8);
    uint32_t font = LoadFont(TestFont(true));
    // Glyphs 3 apart with 5-pixel outlines: the second outline reaches into the first glyph.
    RgbImage screen =
        Picture([&] { e.DrawText2D(font, 0, 0, "oo", ColourRef(0xFF0000), 255, 1.0); });
    EXPECT_EQ(screen.Count(0xFF0000), 24);
    EXPECT_EQ(screen.At(0, 1), 0x00FF00u);
    EXPECT_EQ(screen.At(3, 3), 0xFF0000u);
    EXPECT_EQ(screen.At(7, 6), 0x00FF00u);
    EXPECT_EQ(screen.Count(0x00FF00), 8 * 6 - 24);
}

TEST_F(TextDrawing, ScaleStretchesGlyphsAndAdvances) {
    Start(30, 20);
    uint32_t font = LoadFont(TestFont(false));
    RgbImage screen = Picture([&] { e.DrawText2D(font, 0, 0, "AA", ColourRef(kWhite), 255, 2.0); });
    EXPECT_EQ(screen.Count(kWhite), 2 * 6 * 8);
    EXPECT_EQ(screen.At(2, 4), kWhite);
    EXPECT_EQ(screen.At(12, 11), kWhite);
    EXPECT_EQ(screen.At(8, 4), kBlack);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double scale : {0.0, -1.0, nan, 1e300}) {
        EXPECT_EQ(Picture([&] {
                      e.DrawText2D(font, 0, 0, "A", ColourRef(kWhite), 255, scale);
                  }).Count(kBlack),
                  600);
    }
}

TEST_F(TextDrawing, TextIsClippedAtTheFrameEdges) {
    Start(6, 6);
    uint32_t font = LoadFont(TestFont(false));
    RgbImage screen = Picture([&] {
        e.DrawText2D(font, -2, -4, "A", ColourRef(kWhite), 255, 1.0);
        e.DrawText2D(font, 4, 3, "AAAA", ColourRef(kWhite), 255, 1.0);
        e.DrawText2D(font, std::numeric_limits<int32_t>::max(), 0, "AAAA", ColourRef(kWhite), 255,
                     1.0);
        e.DrawText2D(font, 0, 0, nullptr, ColourRef(kWhite), 255, 1.0);
    });
    EXPECT_EQ(screen.Count(kWhite), 4 + 1);
    EXPECT_EQ(screen.At(0, 0), kWhite);
    EXPECT_EQ(screen.At(1, 1), kWhite);
    EXPECT_EQ(screen.At(5, 5), kWhite);

    // A line of megabytes shows exactly what its beginning shows, also where glyphs reach back
    // left of their pen or are scaled.
    const std::string huge = std::string(3 << 20, 'A') + std::string(3 << 20, 'L');
    auto draw = [&](const char* text) {
        e.DrawText2D(font, 1, 0, text, ColourRef(kWhite), 255, 1.0);
        e.DrawText2D(font, 0, 2, text, ColourRef(0xFF0000), 255, 2.5);
        e.DrawText2D(font, 0, 1, text + (3 << 20), ColourRef(0x00FF00), 255, 1.0);
    };
    const std::string beginning = "AA" + std::string((3 << 20) - 2, '\0') + std::string(12, 'L');
    EXPECT_EQ(Picture([&] { draw(huge.c_str()); }).pixels,
              Picture([&] { draw(beginning.c_str()); }).pixels);

    // So does a UTF-8 line of megabytes, of two-byte characters and of malformed bytes.
    uint32_t unicode = LoadFont(UnicodeTestFont());
    std::string hugeUtf8;
    for (int i = 0; i < (1 << 20); ++i) hugeUtf8 += "λ\xFF";
    auto drawUtf8 = [&](const std::string& text) {
        e.DrawText2D_UTF8(unicode, 1, 0, text.c_str(), ColourRef(kWhite), 255, 1.0);
        e.DrawText2D_UTF8(unicode, 0, 2, text.c_str(), ColourRef(0xFF0000), 255, 2.5);
    };
    EXPECT_EQ(Picture([&] { drawUtf8(hugeUtf8); }).pixels,
              Picture([&] { drawUtf8(hugeUtf8.substr(0, 12)); }).pixels);
}

// Every CP1251 line draws alike through both entries, in the shipped fonts and in a classic
// one, at natural size (kept images) and scaled or translucent (from the atlas).
TEST_F(TextDrawing, Cp1251TextDrawsAlikeThroughBothEntries) {
    Start(900, 160);
    const std::string data = std::string(LEXO_GAME_SOURCE_DIR) + "/data/";
    const uint32_t fonts[] = {LoadFont(TestFont(true)),
                              e.LoadFontFromFile((data + "font.dft").c_str()),
                              e.LoadFontFromFile((data + "font2.dft").c_str())};
    // Every byte but the controls and 0x98, which CP1251 leaves without a character.
    std::vector<std::string> lines{"Ahoo \xC6o"};
    for (int first = 0x20; first < 0x100; first += 0x20) {
        std::string line;
        for (int c = first; c < first + 0x20; ++c) {
            if (c != 0x7F && c != 0x98) line += static_cast<char>(c);
        }
        lines.push_back(line);
    }
    for (uint32_t font : fonts) {
        ASSERT_NE(font, 0u);
        for (const std::string& line : lines) {
            const std::string utf8 = Cp1251ToUtf8(line);
            for (auto [alpha, scale] : {std::pair{255, 1.0}, {128, 1.0}, {255, 0.75}}) {
                RgbImage classic =
                    Picture([&] { e.DrawText2D(font, 3, 2, line.c_str(), 0xFF, alpha, scale); });
                RgbImage unicode = Picture(
                    [&] { e.DrawText2D_UTF8(font, 3, 2, utf8.c_str(), 0xFF, alpha, scale); });
                // The shipped fonts draw every line; the made-up one only some.
                EXPECT_TRUE(font == fonts[0] || classic.Count(kBlack) < 900 * 160) << utf8;
                EXPECT_EQ(classic.pixels, unicode.pixels) << font << " " << utf8 << " " << scale;
            }
        }
    }
}

TEST_F(TextDrawing, Utf8CharactersWithoutGlyphDrawTheReplacementMarkInTheirPlace) {
    Start(40, 12);
    uint32_t font = LoadFont(UnicodeTestFont());
    // "λ" and "ї" after "Ä" (advance 3): the 'o' box at x 4, the 'A' box at x 7, one row up.
    RgbImage screen = Picture([&] { e.DrawText2D_UTF8(font, 0, 0, "Äλї", 0xFF, 255, 1.0); });
    EXPECT_EQ(screen.Count(0xFF0000), 12 + 12);
    EXPECT_EQ(screen.At(4, 2), 0xFF0000u);
    EXPECT_EQ(screen.At(7, 1), 0xFF0000u);
    // A character the font lacks: the mark (2 x 2, 6 rows down) in its place, "A" after it.
    RgbImage marked = Picture([&] { e.DrawText2D_UTF8(font, 0, 0, "中A", 0xFF, 255, 1.0); });
    EXPECT_EQ(marked.Count(0xFF0000), 4 + 12);
    EXPECT_EQ(marked.At(1, 7), 0xFF0000u);
    EXPECT_EQ(marked.At(5, 4), 0xFF0000u);
    // So is a malformed or cut sequence, as many marks as the longest valid starts it holds.
    // Controls draw nothing.
    const std::pair<const char*, const char*> alike[] = {
        {"A😀A", "A\uFFFDA"},
        {"A\xC3", "A\uFFFD"},
        {"A\xE2\x82\101", "A\uFFFDA"},
        {"\x80\xBF\101", "\uFFFD\uFFFDA"},
        {"\xC0\xAF\101", "\uFFFD\uFFFDA"},
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"A\tA\x7F", "AA"},
    };
    for (const auto& [text, expected] : alike) {
        EXPECT_EQ(Picture([&] { e.DrawText2D_UTF8(font, 1, 0, text, 0xFF, 255, 1.0); }).pixels,
                  Picture([&] { e.DrawText2D_UTF8(font, 1, 0, expected, 0xFF, 255, 1.0); }).pixels)
            << text;
    }
    // A classic font: a CP1251 letter finds its byte's glyph; without "?" a missing one draws
    // nothing.
    uint32_t classic = LoadFont(TestFont(false));
    EXPECT_EQ(Picture([&] { e.DrawText2D_UTF8(classic, 0, 0, "Ж中A", 0xFF, 255, 1.0); }).pixels,
              Picture([&] { e.DrawText2D(classic, 0, 0, "\xC6\101", 0xFF, 255, 1.0); }).pixels);
}

// The shipped fonts: every letter of CP1251, of ASCII and of the European alphabets has a
// glyph, and the banner fits the 800-pixel field where the game draws it.
TEST_F(TextDrawing, ShippedFontsHaveEveryLetterAndTheBannerFitsTheField) {
    for (const char* name : {"font.dft", "font2.dft"}) {
        std::string path = std::string(LEXO_GAME_SOURCE_DIR) + "/data/" + name;
        std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path.c_str(), 64u << 20);
        ASSERT_TRUE(bytes) << path;
        std::optional<DftFont> font = ParseDft(*bytes);
        ASSERT_TRUE(font) << path;
        const GlyphMap glyphs(*font);
        auto shows = [&](uint16_t glyph) {
            if (glyph == GlyphMap::kNoGlyph) return false;
            const DftGlyph& g = font->glyphs[glyph];
            return g.width > 0 && g.height > 0 && g.advance > 0;
        };
        // The Slavic letters outside А ... я, then А ... я and the Latin letters.
        std::vector<int> letters{0x80, 0x81, 0x83, 0x8A, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0x9A,
                                 0x9C, 0x9D, 0x9E, 0x9F, 0xA1, 0xA2, 0xA3, 0xA5, 0xA8, 0xAA,
                                 0xAF, 0xB2, 0xB3, 0xB4, 0xB8, 0xBA, 0xBC, 0xBD, 0xBE, 0xBF};
        for (int c = 0xC0; c <= 0xFF; ++c) letters.push_back(c);
        for (int c = 'A'; c <= 'Z'; ++c) letters.insert(letters.end(), {c, c + 32});
        for (int c : letters) {
            EXPECT_TRUE(shows(glyphs.ForByte(static_cast<unsigned char>(c))))
                << name << " code " << c;
        }
        const std::u32string european =
            U"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞßàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿ"
            U"ĀāĂăĄąĆćČčĎďĐđĒēĖėĘęĚěĞğĢģĪīĮįİıĶķĹĺĻļĽľŁłŃńŅņŇňŐőŒœŔŕŘřŚśŞşŠšŢţŤťŪūŮůŰűŲųŸŹźŻżŽž"
            U"ȘșȚț"
            U"ΆΈΉΊΌΎΏΐΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩΪΫάέήίΰαβγδεζηθικλμνξοπρςστυφχψωϊϋόύώ"
            U"ЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏАЯаяѐёђѓєѕіїјљњћќѝўџҐґ\uFFFD";
        for (char32_t c : european) {
            EXPECT_TRUE(shows(glyphs.ForCodePoint(c))) << name << " U+" << std::hex << int(c);
        }
        EXPECT_GT(font->glyphs[glyphs.ForByte(' ')].advance, 0) << name;
    }

    Start(1200, 600);
    std::string bannerPath = std::string(LEXO_GAME_SOURCE_DIR) + "/data/font2.dft";
    uint32_t banner = e.LoadFontFromFile(bannerPath.c_str());
    ASSERT_NE(banner, 0u);
    // "ИГРА ОКОНЧЕНА!" in CP1251.
    const char* text = "\xC8\xC3\xD0\xC0 \xCE\xCA\xCE\xCD\xD7\xC5\xCD\xC0!";
    RgbImage screen = Picture([&] { e.DrawText2D(banner, 145, 200, text, 0xFF, 255, 1.0); });
    int right = 0, bottom = 0;
    for (int y = 0; y < screen.height; ++y) {
        for (int x = 0; x < screen.width; ++x) {
            if (screen.At(x, y) == kBlack) continue;
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_GT(screen.Count(0xFF0000), 2000);
    EXPECT_GT(right, 500);
    EXPECT_LT(right, 800);
    EXPECT_LT(bottom, 512);
}

}  // namespace
}  // namespace lexo::test
