#include "text/cp1251.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "temp_dir.h"
#include "text/cp1251_fold.h"

namespace lexo {
namespace {

TEST(Cp1251, RoundTripsEveryAssignedByte) {
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == 0x98) continue;  // the one unassigned byte
        const std::string original(1, static_cast<char>(byte));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(original)), original) << "byte " << byte;
    }
}

TEST(Cp1251, ConvertsRussianBothWays) {
    const std::string cp1251 = "\xEA\xEE\xF2 \xB8\xE6 \xA8";  // "кот ёж Ё"
    EXPECT_EQ(Cp1251ToUtf8(cp1251), "кот ёж Ё");
    EXPECT_EQ(Utf8ToCp1251("кот ёж Ё"), cp1251);
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1251("a\xE2\x82\xAC"
                           "b"),
              "a\x88"
              "b");  // the euro sign exists
    EXPECT_EQ(Utf8ToCp1251("日本"), "??");
    EXPECT_EQ(Utf8ToCp1251("x\xFFy"), "x?y");  // a stray byte
    EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");      // a cut sequence
}

TEST(Cp1251, LowerCasesLatinCyrillicAndYo) {
    EXPECT_EQ(Cp1251ToLower(Utf8ToCp1251("HeLLo ПРИВЕТ Ёлка ЯЗЫК")),
              Utf8ToCp1251("hello привет ёлка язык"));
    EXPECT_EQ(Cp1251ToLower(Utf8ToCp1251("ЎІЇЄҐЈЅЉЊЋЌЏЂЃ")), Utf8ToCp1251("ўіїєґјѕљњћќџђѓ"));
}

// Every byte against ICU's lower case of its character, where CP1251 holds that.
TEST(Cp1251, LowerCaseAgreesWithIcuOnEveryByte) {
    const auto& characters = dict::Cp1251Characters();
    for (int byte = 1; byte < 256; ++byte) {
        if (characters[byte] == 0) continue;
        std::string lower;
        icu::UnicodeString(u_tolower(characters[byte])).toUTF8String(lower);
        const std::string expected = Utf8ToCp1251(lower);
        EXPECT_EQ(Cp1251ToLower(static_cast<char>(byte)),
                  expected == "?" ? static_cast<char>(byte) : expected[0])
            << byte;
    }
}

TEST(Cp1251, LowerCaseLeavesEverythingElse) {
    const std::string untouched = Utf8ToCp1251("123 -,.!? ё я z «»№");
    EXPECT_EQ(Cp1251ToLower(untouched), untouched);
}

// The one table against glibc's iconv, an independent reading of the code page: every byte but
// the unassigned 0x98, which iconv refuses and the table marks with 0.
TEST(Cp1251, TableAgreesWithIconv) {
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != 0x98) bytes += static_cast<char>(byte);
    }
    test::TempDir dir;
    std::ofstream(dir.File("page"), std::ios::binary) << bytes;
    FILE* iconv = popen(("iconv -f CP1251 -t UTF-8 " + dir.File("page")).c_str(), "r");
    ASSERT_NE(iconv, nullptr);
    std::string utf8;
    for (int c; (c = std::fgetc(iconv)) != EOF;) utf8 += static_cast<char>(c);
    ASSERT_EQ(pclose(iconv), 0) << "iconv is installed";
    EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
    EXPECT_EQ(Cp1251CodePoint(0x98), 0u);
}

// The two nearest-letter rules side by side: the game's drawing (ICU's common library only)
// and the import's fold (Latin-ASCII besides). They agree on German and on plain marks; the
// import's reaches letters that have no decomposition.
TEST(Cp1251, NearestLetterRulesSideBySide) {
    const struct {
        const char* utf8;
        const char* drawn;
        const char* imported;
    } cases[] = {
        {"Mädchen", "Maedchen", "Maedchen"},
        {"Straße", "Strasse", "Strasse"},
        {"ÄÖÜ", "AeOeUe", "AeOeUe"},
        {"café", "cafe", "cafe"},
        {"Łódź", "?odz", "Lodz"},
        {"ёж", "\xB8\xE6", "\xB8\xE6"},
        {"日本", "??", ""},
    };
    const dict::Cp1251Folder folder;
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToDrawnCp1251(c.utf8), c.drawn) << c.utf8;
        std::vector<dict::FoldNote> notes;
        std::string imported;
        folder.Fold(c.utf8, notes, imported);
        EXPECT_EQ(imported, c.imported) << c.utf8;
    }
}

}  // namespace
}  // namespace lexo
