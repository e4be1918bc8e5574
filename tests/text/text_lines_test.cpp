#include "text/text_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "line_reference.h"
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
    EXPECT_EQ(Lines("\xEF\xBB\xBF  cat \t\n", LineEnds::AnyAndNulEnds),
              (V{"\xEF\xBB\xBF  cat \t"}));
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

TEST(StringList, ManyShortLinesOutgrowTheFirstRoom) {
    // One-byte lines: far more than the room made for lines of eight bytes.
    StringList list;
    list.SetText(std::string(100'000, '\n') + "last");
    ASSERT_EQ(list.Count(), 100'001u);
    EXPECT_EQ(list[0], "");
    EXPECT_EQ(list[99'999], "");
    EXPECT_EQ(list[100'000], "last");
}

TEST(StringList, LinesAddedAfterATextFollowItsLastLine) {
    // Whatever ended the text (a CR before a line starting with LF, no line end at all, a NUL
    // and what follows it) stays out of the lines added after it.
    const std::vector<std::pair<std::string, V>> cases = {
        {"a\r", {"a", "\nb"}},
        {"\r\r", {"", "", "\nb"}},
        {"a\r\n", {"a", "\nb"}},
        {"a", {"a", "\nb"}},
        {std::string("a\nrest\0after", 13), {"a", "rest", "\nb"}},
        {"", {"\nb"}},
    };
    for (const auto& [text, expected] : cases) {
        StringList list;
        list.SetText(text);
        list.Add("\nb");
        V lines;
        for (size_t i = 0; i < list.Count(); ++i) lines.emplace_back(list[i]);
        EXPECT_EQ(lines, expected) << testing::PrintToString(text);
    }
}

TEST(StringList, AMillionLinesOfEveryLineEndLoadAsReadByteByByte) {
    // Megabytes of short lines: the room made at first for the line ends grows many times.
    std::mt19937 random(11);
    std::string text;
    while (text.size() < (size_t{4} << 20)) {
        text += std::string(random() % 6, static_cast<char>('a' + random() % 26));
        text += random() % 3 == 0 ? "\n" : random() % 2 == 0 ? "\r\n" : "\r";
    }
    std::string endedByANul = text;
    endedByANul[text.size() / 3] = '\0';
    std::string noLineEndAtTheEnd = text + "last";
    for (const std::string* variant : {&text, &endedByANul, &noLineEndAtTheEnd}) {
        StringList list;
        list.SetText(*variant);
        const V expected = test::ReadLinesByteByByte(*variant, LineEnds::AnyAndNulEnds);
        ASSERT_EQ(list.Count(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(list[i], expected[i]) << i;
    }
}

TEST(StringList, AddKeepsEarlierLinesIntact) {
    StringList list;
    for (int i = 0; i < 1000; ++i) list.Add(std::to_string(i));
    EXPECT_EQ(list[0], "0");
    EXPECT_EQ(list[999], "999");
}

}  // namespace
}  // namespace lexo
