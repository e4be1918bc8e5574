#include "text/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/string_list.h"

namespace lexo {
namespace {

std::vector<std::string> Lines(std::string_view text, LineEnds ends) {
    std::vector<std::string> lines;
    ForEachLine(text, ends, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

using V = std::vector<std::string>;

TEST(DictionaryLines, SplitAtCrLfLfAndCr) {
    EXPECT_EQ(Lines("a\r\nb\nc\rd", LineEnds::AnyAndNulEnds), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(Lines("a\r\r\nb", LineEnds::AnyAndNulEnds), (V{"a", "", "b"}));
    EXPECT_EQ(Lines("a\n\r", LineEnds::AnyAndNulEnds), (V{"a", ""}));
}

TEST(DictionaryLines, FinalLineEndAddsNoLine) {
    EXPECT_EQ(Lines("a\nb", LineEnds::AnyAndNulEnds), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\nb\r\n", LineEnds::AnyAndNulEnds), (V{"a", "b"}));
    EXPECT_EQ(Lines("a\n\n", LineEnds::AnyAndNulEnds), (V{"a", ""}));
    EXPECT_EQ(Lines("", LineEnds::AnyAndNulEnds), V{});
    EXPECT_EQ(Lines("\n", LineEnds::AnyAndNulEnds), (V{""}));
}

TEST(DictionaryLines, NulEndsTheTextAndNothingIsTrimmed) {
    EXPECT_EQ(Lines(std::string_view("a\nb\0c\nd", 7), LineEnds::AnyAndNulEnds), (V{"a", "b"}));
    EXPECT_EQ(Lines(std::string_view("\0a", 2), LineEnds::AnyAndNulEnds), V{});
    EXPECT_EQ(Lines("\xEF\xBB\xBF  cat \t\n", LineEnds::AnyAndNulEnds), (V{"\xEF\xBB\xBF  cat \t"}));
}

TEST(DictionaryLines, LineEndsAcrossTheSplittersBlocksCountOnce) {
    // The splitter looks at 64 bytes at a time: a CR LF may straddle two blocks.
    for (size_t before = 60; before < 70; ++before) {
        const std::string first(before, 'a');
        EXPECT_EQ(Lines(first + "\r\nb\r" + std::string(70, 'c'), LineEnds::AnyAndNulEnds),
                  (V{first, "b", std::string(70, 'c')}))
            << before;
        EXPECT_EQ(Lines(first + "\r\nb", LineEnds::CrLfOrLf), (V{first, "b"})) << before;
        EXPECT_EQ(Lines(first + "\r" + std::string("\0\nx", 3), LineEnds::AnyAndNulEnds),
                  (V{first}))
            << before;
    }
}

TEST(CatalogueLines, LoneCrBelongsToTheLine) {
    EXPECT_EQ(Lines("a\rb\r\nc\nd\r", LineEnds::CrLfOrLf), (V{"a\rb", "c", "d\r"}));
    EXPECT_EQ(Lines("x\n\ny\n", LineEnds::CrLfOrLf), (V{"x", "", "y"}));
    EXPECT_EQ(Lines(std::string_view("a\0b", 3), LineEnds::CrLfOrLf), (V{std::string("a\0b", 3)}));
}

TEST(StringList, SetTextReplacesTheContent) {
    StringList list;
    list.Add("old");
    list.SetText("one\r\ntwo\rthree\n");
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list[0], "one");
    EXPECT_EQ(list[1], "two");
    EXPECT_EQ(list[2], "three");
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

TEST(StringList, AddKeepsEarlierLinesIntact) {
    StringList list;
    for (int i = 0; i < 1000; ++i) list.Add(std::to_string(i));
    EXPECT_EQ(list[0], "0");
    EXPECT_EQ(list[999], "999");
}

}  // namespace
}  // namespace lexo
