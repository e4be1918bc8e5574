#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "dict/read/import_formats.h"
#include "dict/read/input_text.h"
#include "dict/write/dictionary_build.h"
#include "text/cp1251.h"

namespace lexo::dict {
namespace {

struct ImportCase {
    const char* name;
    std::string input;
    std::vector<std::string> names;   // UTF-8
    std::vector<std::string> names2;  // UTF-8
    // "LINE:error" or "LINE:warning" for each finding, in order.
    std::vector<std::string> found;
    std::string title = "list";
    bool swap = false;
    // Without --cp1251: kept as written, and the folder is UTF-8 when CP1251 cannot hold it.
    bool unicode = false;
    bool utf8Folder = false;
};

// Named in test output by its name alone.
void PrintTo(const ImportCase& test, std::ostream* out) { *out << test.name; }

std::string Utf16Le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// The same word on 25 lines: 20 warnings, then one that counts the rest.
ImportCase ManyDuplicates() {
    ImportCase test{"ManyDuplicatesCounted", "", {"w"}, {"t"}, {}};
    for (size_t line = 1; line <= 25; ++line) test.input += "w\tt\n";
    for (size_t line = 2; line <= 21; ++line)
        test.found.push_back(std::to_string(line) + ":warning");
    test.found.push_back("25:warning");
    return test;
}

const std::vector<ImportCase>& Cases() {
    static const std::vector<ImportCase> cases = {
        {"TsvWithBomHeaderAndCrLf",
         "\xEF\xBB\xBFword\ttranslation\r\ncat\tкот, кошка\r\ndog\tсобака\r\n",
         {"cat", "dog"},
         {"кот  кошка", "собака"},
         {}},
        {"CsvQuoting",
         "word,translation\n\"hello, world\",\"привет; \"\"мир\"\"\"\n\"a\nb\",  x |  y \n",
         {"hello, world", "a b"},
         {"привет  \"мир\"", "x  y"},
         {}},
        {"AnkiHtmlDeckAndComments",
         "#separator:tab\n#html:true\n#deck:School::Animals\n#columns:Front\tBack\n# note\n"
         "<b>cat</b>\tкот<br>кошка&nbsp;домашняя &amp; &#1105;ж\n",
         {"cat"},
         {"кот  кошка домашняя & ёж"},
         {},
         "Animals"},
        {"AnkiNoteColumnsSkipped",
         "#separator: comma\n#guid column:1\n#notetype column:2\n#tags column: 5\n#html:true\n"
         "q1,Basic,cat,кот<br>котик,animals\n",
         {"cat"},
         {"кот  котик"},
         {}},
        {"AnkiHtmlCodeCommentsAndHexReferences",
         "#separator:tab\n#html:true\n"
         "<script>alert(1)</script>Hund<STYLE>.card{color:red}</style >\t<!-- b -->&#x441;\u043E"
         "\u0431\u0430\u043A\u0430<!-- open\n",
         {"Hund"},
         {"собака"},
         {}},
        {"InvisibleCharactersDropped",
         "Ma\u00ADus\tмышь\nHu\u200Dnd\tсоба\u200Cка\n",
         {"Maus", "Hund"},
         {"мышь", "собака"},
         {"1:warning", "2:warning", "2:warning"}},
        {"MarksOnOneLetterReportedOnce",
         "b" +
             [] {
                 std::string marks;
                 for (int i = 0; i < 500; ++i) marks += "\u0301";
                 return marks;
             }() +
             "\tx\n",
         {},
         {},
         {"1:error"}},
        {"PairsWithCommentsAndAMalformedLine",
         "# family\nmother = мама, мать\n\nson = сын\nbroken\n",
         {"mother", "son"},
         {"мама  мать", "сын"},
         {"5:error"}},
        {"WordsOnly", "cat\n\ndog\n", {"cat", "dog"}, {"", ""}, {}},
        {"UmlautsAndDiacritics",
         "Mädchen = девочка\nStraße = улица\ncafé = кафе\n",
         {"Maedchen", "Strasse", "cafe"},
         {"девочка", "улица", "кафе"},
         {"1:warning", "2:warning", "3:warning"}},
        {"TypographyStressAndYo",
         "well‐known\tизве́стный / ёлка\n",
         {"well-known"},
         {"известный  ёлка"},
         {"1:warning", "1:warning"}},
        {"GreekIsRefused",
         "cat\tкот\nmouse\tμῦς\n",
         {"cat"},
         {"кот"},
         {"2:error", "2:error", "2:error"}},
        {"Utf16WithBomAndCrOnly",
         Utf16Le(u"cat\tкот\rdog\tпёс\r"),
         {"cat", "dog"},
         {"кот", "пёс"},
         {}},
        {"DuplicatesMerged", "Cat\tкот\ncat\tкошка, кот\n", {"Cat"}, {"кот  кошка"}, {"2:warning"}},
        {"Swapped", "кот\tcat\n", {"cat"}, {"кот"}, {}, "list", true},
        {"UnclosedQuote",
         "word,translation\ndog,\"собака\ncat,кот\nbird,птица\n",
         {},
         {},
         {"2:error"}},
        {"CommaInATsv",
         "dog\tсобака\ncat,кот\n",
         {"dog", "cat,кот"},
         {"собака", ""},
         {"2:warning"}},
        {"YoIsYe", "ёж\thedgehog\nеж\tёжик\n", {"ёж"}, {"hedgehog  ёжик"}, {"2:warning"}},
        {"CapitalYoIsYe", "ЁЖ\thedgehog\nеж\tёжик\n", {"ЁЖ"}, {"hedgehog  ёжик"}, {"2:warning"}},
        {"TagsAsText",
         "#separator:tab\n#html:false\ncat\t<b>кошка</b>/кот\n",
         {"cat"},
         {"<b>кошка</b>  кот"},
         {}},
        ManyDuplicates(),
        {"UnicodeKeepsEuropeanLetters",
         "Mädchen = девочка\nStraße = улица\nSTRASSE = улица\ncafe\u0301 = кафе\n"
         "καλημέρα = добрый день\nżółw = черепаха\n",
         {"Mädchen", "Straße", "café", "καλημέρα", "żółw"},
         {"девочка", "улица", "кафе", "добрый день", "черепаха"},
         {"3:warning"},
         "list",
         false,
         true,
         true},
        {"UnicodeInCp1251WhenItFits",
         "cat\tкот\nЁж\tщётка\n",
         {"cat", "Ёж"},
         {"кот", "щётка"},
         {},
         "list",
         false,
         true,
         false},
        {"UnicodeRefusesEmojiAndPrivateCharacters",
         "cat\tкот\ndog\t\uE000\nsmile\t🙂\n",
         {"cat"},
         {"кот"},
         {"2:error", "3:error"},
         "list",
         false,
         true,
         false},
        // Vowel points, harakat and the Devanagari vowel signs stay: they are drawn.
        {"UnicodeKeepsTheOtherScriptsWithTheirMarks",
         "学校\tшкола\n學校\tшкола\nがっこう\tшкола\n학교\tшкола\nمَدْرَسَة\tшкола\n"
         "שָׁלוֹם\tмир\nनमस्ते\tпривет\nโรงเรียน\tшкола\nსკოლა\tшкола\nդպրոց\tшкола\n",
         {"学校", "學校", "がっこう", "학교", "مَدْرَسَة", "שָׁלוֹם", "नमस्ते", "โรงเรียน", "სკოლა", "դպրոց"},
         {"школа", "школа", "школа", "школа", "школа", "мир", "привет", "школа", "школа", "школа"},
         {},
         "list",
         false,
         true,
         true},
    };
    return cases;
}

class Import : public testing::TestWithParam<ImportCase> {};

TEST_P(Import, MakesTheGameFilesAndReportsByLine) {
    const ImportCase& test = GetParam();
    const DecodedInput decoded = DecodeInput(test.input);
    ASSERT_FALSE(decoded.badOffset) << decoded.problem;
    Diagnostics found;
    const ParsedInput input = ParseInput(decoded.utf8, DetectFormat(decoded.utf8), "in", found);
    BuildOptions options;
    options.fallbackTitle = "list";
    options.swap = test.swap;
    const Cp1251Folder folder(test.unicode ? FoldTarget::Unicode : FoldTarget::Cp1251);
    const DictionaryLines lines = BuildDictionary(input, options, "in", folder, found);

    EXPECT_EQ(lines.utf8, test.utf8Folder);
    auto text = [&](const std::string& line) { return lines.utf8 ? line : Cp1251ToUtf8(line); };
    std::vector<std::string> names, names2, findings;
    for (const auto& line : lines.names) names.push_back(text(line));
    for (const auto& line : lines.names2) names2.push_back(text(line));
    for (const auto& finding : found.All()) {
        findings.push_back(std::to_string(finding.line) +
                           (finding.severity == Severity::Error ? ":error" : ":warning"));
    }
    EXPECT_EQ(names, test.names);
    EXPECT_EQ(names2, test.names2);
    EXPECT_EQ(findings, test.found);
    ASSERT_EQ(lines.about.size(), 2u);
    EXPECT_EQ(text(lines.about[0]), test.title);
    EXPECT_EQ(text(lines.about[1]), "Слов: " + std::to_string(test.names.size()) + ".");
}

INSTANTIATE_TEST_SUITE_P(EveryFormat, Import, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImportInput, RefusesWhatIsNotUtf8OrUtf16WithItsOffset) {
    EXPECT_EQ(DecodeInput("cat\tкот\ndog\t\xE9t\xE9\n").badOffset, 15u);
    EXPECT_EQ(DecodeInput(std::string("c\0a\0t\0", 6)).badOffset, 1u);
    EXPECT_EQ(DecodeInput(std::string("\xFF\xFE\x00\xD8x\x00", 6)).badOffset,
              2u);  // a lone surrogate
}

TEST(ImportInput, NamesTheColumnOfARefusedCharacter) {
    Diagnostics found;
    const ParsedInput input = ParseInput("dog\tпёс\ncat\tκάτα\n", InputFormat::Tsv, "in", found);
    BuildDictionary(input, {}, "in", Cp1251Folder(), found);
    ASSERT_FALSE(found.All().empty());
    EXPECT_TRUE(
        FormatDiagnostic(found.All()[0]).starts_with("in:2: error: column 5: character 'κ'"))
        << FormatDiagnostic(found.All()[0]);
}

}  // namespace
}  // namespace lexo::dict
