#include "text/cp1251.h"

#include <gtest/gtest.h>

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

TEST(Cp1251, LowerCaseLeavesEverythingElse) {
    const std::string untouched = Utf8ToCp1251("123 -,.!? ё я z «»№");
    EXPECT_EQ(Cp1251ToLower(untouched), untouched);
}

}  // namespace
}  // namespace lexo
