// The font maker run as the content build runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "dft/font_dft.h"
#include "dft/glyph_map.h"
#include "temp_dir.h"

namespace lexo {
namespace {

constexpr const char* kDejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// Runs fontmaker with the arguments; its exit status.
int RunFontmaker(const std::string& arguments) {
    std::string command = std::string(LEXO_FONTMAKER_PATH) + " " + arguments + " 2>/dev/null";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::optional<DftFont> ReadFont(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    return ParseDft(bytes);
}

TEST(Fontmaker, RendersTheEuropeanScriptsWithAnOutlinePlaneWhenAsked) {
    std::ifstream ttf(kDejaVuBold);
    if (!ttf) GTEST_SKIP() << kDejaVuBold << " is not installed";
    test::TempDir dir;
    const std::string plain = dir.File("plain.dft"), outlined = dir.File("outlined.dft");
    ASSERT_EQ(RunFontmaker(std::string("--font ") + kDejaVuBold + " --size 20 --out " + plain), 0);
    ASSERT_EQ(RunFontmaker(std::string("--font ") + kDejaVuBold + " --size 20 --outline 2 " +
                           "--outline-colour 0x123456 --out " + outlined),
              0);
    std::optional<DftFont> a = ReadFont(plain), b = ReadFont(outlined);
    ASSERT_TRUE(a && b);
    EXPECT_FALSE(a->hasOutline);
    EXPECT_TRUE(b->hasOutline);
    EXPECT_EQ(b->outlineColour, 0x123456u);
    EXPECT_GE(a->lineHeight, 20);
    EXPECT_EQ(b->lineHeight, a->lineHeight + 4);
    const GlyphMap mapA(*a), mapB(*b);
    const DftGlyph& zhe = a->glyphs[mapA.ForCodePoint(U'Ж')];
    EXPECT_GT(zhe.width, 10);
    EXPECT_GT(zhe.advance, 10);
    // The outline widens the glyph box by its width on each side.
    EXPECT_EQ(b->glyphs[mapB.ForCodePoint(U'Ж')].width, zhe.width + 4);
    EXPECT_EQ(b->glyphs[mapB.ForCodePoint(U'Ж')].advance, zhe.advance);
    EXPECT_NE(mapA.ForCodePoint(U'Ł'), GlyphMap::kNoGlyph);
    // Controls, the unassigned CP1251 code 0x98 and scripts beyond Europe's get nothing.
    EXPECT_EQ(mapA.ForByte('\n'), GlyphMap::kNoGlyph);
    EXPECT_EQ(mapA.ForByte(0x98), GlyphMap::kNoGlyph);
    EXPECT_EQ(mapA.ForCodePoint(U'中'), GlyphMap::kNoGlyph);
}

TEST(Fontmaker, RefusesBadArgumentsAndMissingFonts) {
    test::TempDir dir;
    const std::string out = dir.File("out.dft");
    EXPECT_EQ(RunFontmaker(""), 2);
    EXPECT_EQ(RunFontmaker("--font x.ttf --size 0 --out " + out), 2);
    EXPECT_EQ(RunFontmaker("--font x.ttf --size 12 --out " + out + " --bold"), 2);
    EXPECT_EQ(RunFontmaker("--font " + dir.File("none.ttf") + " --size 12 --out " + out), 1);
    EXPECT_FALSE(std::ifstream(out));
}

}  // namespace
}  // namespace lexo
