#include "text/str_to_int.h"

#include <gtest/gtest.h>

#include "errors/run_time_error.h"

namespace lexo {
namespace {

TEST(StrToInt, AcceptsDecimalWithLeadingSpacesAndSign) {
    EXPECT_EQ(StrToInt("64"), 64);
    EXPECT_EQ(StrToInt("   7"), 7);
    EXPECT_EQ(StrToInt("+12"), 12);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("  -0"), 0);
    EXPECT_EQ(StrToInt("007"), 7);
}

TEST(StrToInt, AcceptsHexAfterDollarOrZeroX) {
    EXPECT_EQ(StrToInt("$40"), 64);
    EXPECT_EQ(StrToInt("0x1F"), 31);
    EXPECT_EQ(StrToInt("0XfF"), 255);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt(" $7FFFFFFF"), 2147483647);
}

TEST(StrToInt, CoversTheSigned32BitRangeExactly) {
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_FALSE(TryStrToInt("2147483648"));
    EXPECT_FALSE(TryStrToInt("-2147483649"));
    EXPECT_FALSE(TryStrToInt("$80000000"));
    EXPECT_FALSE(TryStrToInt("99999999999999999999999"));
}

TEST(StrToInt, RejectsEverythingElse) {
    for (const char* text : {"", " ", "12 ", "1 2", "+", "-", "$", "0x", "12a", "a12", "\t5", "--5",
                             "+-5", "$-5", "5\r", "1e3", "0x-1", "1.0"}) {
        EXPECT_FALSE(TryStrToInt(text)) << '"' << text << '"';
    }
}

TEST(StrToInt, ErrorNamesTheTextAsWritten) {
    try {
        StrToInt("64 ");
        FAIL() << "no error";
    } catch (const RunTimeError& error) {
        EXPECT_STREQ(error.what(), "'64 ' is not a valid integer value");
    }
    EXPECT_THROW(StrToInt(""), RunTimeError);
}

}  // namespace
}  // namespace lexo
