// DrawText2D_Shaped: words beyond the bitmap font, checked against HarfBuzz's own hb-view
// drawing the same word from the font fontconfig gives for its language.

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine_fixture.h"

namespace lexo::test {
namespace {

constexpr int32_t kBlue = 0xFF0000;  // 0x00BBGGRR
constexpr int kEm = 17;              // the word font's em

// The standard output of a shell command.
std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char chunk[256];
    while (pipe && fgets(chunk, sizeof chunk, pipe.get()) != nullptr) text += chunk;
    return text;
}

// How many pixels of each column hold ink (`inked(x, y)`), from the first column with any.
template <typename Inked>
std::vector<int> InkProfile(int width, int height, Inked inked) {
    std::vector<int> profile;
    for (int x = 0; x < width; ++x) {
        int ink = 0;
        for (int y = 0; y < height; ++y) ink += inked(x, y);
        if (ink > 0 || !profile.empty()) profile.push_back(ink);
    }
    while (!profile.empty() && profile.back() == 0) profile.pop_back();
    return profile;
}

// The ink columns of the word as hb-view draws it, black on white, from the font fontconfig
// gives for a bold sans in that language.
std::vector<int> HbViewProfile(const std::string& language, const std::string& word,
                               const std::string& png) {
    const std::string font =
        Output("fc-match -f '%{file}:%{index}' 'sans-serif:bold:lang=" + language + "'");
    const size_t colon = font.rfind(':');
    const std::string command = "hb-view --font-size=" + std::to_string(kEm) +
                                " --margin=4 --face-index=" + font.substr(colon + 1) +
                                " -O png -o " + png + " '" + font.substr(0, colon) + "' '" + word +
                                "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, png.c_str())) return {};
    image.format = PNG_FORMAT_GRAY;
    std::vector<uint8_t> grey(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, grey.data(), 0, nullptr)) return {};
    const int width = static_cast<int>(image.width);
    return InkProfile(width, static_cast<int>(image.height),
                      [&](int x, int y) { return grey[size_t(y) * width + x] < 128; });
}

// The ink of the blue fill, outline left out.
std::vector<int> FillProfile(const RgbImage& screen) {
    return InkProfile(screen.width, screen.height, [&](int x, int y) {
        const uint32_t rgb = screen.At(x, y);
        return (rgb & 0xFF) >= 200 && (rgb >> 16 & 0xFF) <= 128;
    });
}

// How far two profiles are apart: the mean, over the columns of either, of the smallest
// difference to a column of the other a pixel or less away (hinting moves stems by a pixel).
double Distance(const std::vector<int>& a, const std::vector<int>& b) {
    auto at = [](const std::vector<int>& p, long x) {
        return x >= 0 && x < long(p.size()) ? p[x] : 0;
    };
    double sum = 0;
    const long columns = long(std::max(a.size(), b.size()));
    for (long x = 0; x < columns; ++x) {
        int best = 1 << 20;
        for (long d = -1; d <= 1; ++d) best = std::min(best, std::abs(at(a, x) - at(b, x + d)));
        sum += best;
    }
    return sum / double(columns);
}

class ScriptDrawing : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_NE(e.DrawText2D_Shaped, nullptr);
        Start(400, 40);
        font_ = e.LoadFontFromFile((std::string(LEXO_GAME_SOURCE_DIR) + "/data/font.dft").c_str());
        ASSERT_NE(font_, 0u);
    }
    RgbImage Shaped(const std::string& word) {
        return Picture([&] { e.DrawText2D_Shaped(font_, 10, 5, word.c_str(), kBlue, 255, 1.0); });
    }
    uint32_t font_ = 0;
};

// Arabic joined and right to left, Devanagari with its vowel sign before the consonant: the
// columns the letters fill match hb-view's, and the word turned around would not.
TEST_F(ScriptDrawing, ShapedWordsFillTheColumnsHbViewInks) {
    for (const auto& [language, word] : {std::pair<std::string, std::string>{"ar", "سلام"},
                                         {"ar", "مكتبة"},
                                         {"hi", "किताब"},
                                         {"hi", "दिन"}}) {
        const std::vector<int> expected = HbViewProfile(language, word, dir.Path() + "/word.png");
        const std::vector<int> drawn = FillProfile(Shaped(word));
        ASSERT_FALSE(expected.empty()) << word;
        EXPECT_NEAR(double(drawn.size()), double(expected.size()), 2) << word;
        const std::vector<int> turned(expected.rbegin(), expected.rend());
        // Measured: 0.00 ... 0.28 against hb-view, 1.43 ... 2.44 against it turned around.
        EXPECT_LE(Distance(drawn, expected), 0.6) << word;
        EXPECT_GE(Distance(drawn, turned), 1.2) << word;
    }
}

// Latin and Han in one word: each part in a font that has it, side by side; a character no
// installed font has draws the replacement mark; a word the bitmap font holds keeps its pixels.
TEST_F(ScriptDrawing, EachCharacterFindsAFontOrTheReplacementMark) {
    const RgbImage latin = Shaped("ab");
    const RgbImage han = Shaped("中文");
    const RgbImage mixed = Shaped("ab中文");
    EXPECT_EQ(latin.pixels,
              Picture([&] { e.DrawText2D_UTF8(font_, 10, 5, "ab", kBlue, 255, 1.0); }).pixels);
    EXPECT_NE(han.pixels, Shaped("\uFFFD\uFFFD").pixels);
    const int latinWidth = int(FillProfile(latin).size());
    const int hanWidth = int(FillProfile(han).size());
    EXPECT_NEAR(int(FillProfile(mixed).size()), latinWidth + hanWidth, 4);
    EXPECT_EQ(Shaped("中\U0010FFFD").pixels, Shaped("中\uFFFD").pixels);
    EXPECT_EQ(Shaped("中\xF0\x9F").pixels, Shaped("中\uFFFD").pixels);
    EXPECT_NE(Shaped("中\U0010FFFD").pixels, han.pixels);
}

}  // namespace
}  // namespace lexo::test
