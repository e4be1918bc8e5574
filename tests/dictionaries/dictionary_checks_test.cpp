#include "dictionary_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "text/cp1251.h"

namespace lexo {
namespace {

std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8); }

std::string AllFaults(const std::vector<std::string>& faults) {
    std::string all;
    for (const auto& fault : faults) all += fault + "\n";
    return all;
}

// The checks' faults, one per line, for substring expectations with readable failures.
std::string Faults(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    for (auto check : {CheckLineCounts, CheckWords, CheckTranslations, CheckEncoding, CheckAbout}) {
        for (auto& fault : check(dictionary)) faults.push_back(fault);
    }
    return AllFaults(faults);
}

DictionaryFiles Good() {
    return MakeDictionaryFiles("good", Cp("Проба\r\nДва слова.\r\n"), "cat\r\nice cream\r\n",
                               Cp("кот  кошка\r\nмороженое\r\n"));
}

using ::testing::HasSubstr;
using ::testing::Not;

TEST(DictionaryChecks, AcceptAWellFormedDictionary) {
    EXPECT_EQ(Faults(Good()), "");
    EXPECT_EQ(Faults(MakeDictionaryFiles("lf", Cp("Проба"), "cat\nDog", Cp("кот\nпес"))), "");
}

TEST(DictionaryChecks, EveryWordNeedsExactlyOneTranslationLine) {
    EXPECT_THAT(
        AllFaults(CheckLineCounts(MakeDictionaryFiles("d", "", "cat\r\ndog\r\n", Cp("кот\r\n")))),
        HasSubstr("d/names2.txt: has 1 lines, names.txt has 2"));
    EXPECT_THAT(AllFaults(CheckLineCounts(MakeDictionaryFiles("d", "", "cat", Cp("кот\nпес")))),
                HasSubstr("d/names2.txt: has 2 lines, names.txt has 1"));
    EXPECT_THAT(AllFaults(CheckLineCounts(MakeDictionaryFiles("d", "", "", ""))),
                HasSubstr("d/names.txt: holds no words"));
}

TEST(DictionaryChecks, WordFaultsNameFolderFileAndLine) {
    auto dictionary = MakeDictionaryFiles(
        "w", "", Cp("cat\r\n\r\n cat\r\ncat\r\nкoт\r\nextraordinarily\r\ncat  dog\r\nЁж\r\n"), "");
    std::string faults = AllFaults(CheckWords(dictionary));
    EXPECT_THAT(faults, HasSubstr("w/names.txt line 2: empty entry"));
    EXPECT_THAT(faults, HasSubstr("w/names.txt line 3 \" cat\": starts or ends with a space"));
    EXPECT_THAT(faults, HasSubstr("w/names.txt line 4 \"cat\": repeats line 1"));
    // Latin "o" in a Russian word.
    EXPECT_THAT(faults, HasSubstr("w/names.txt line 5 \"кoт\": holds a character other than"));
    EXPECT_THAT(faults, HasSubstr("line 6 \"extraordinarily\": is longer than 14 characters"));
    EXPECT_THAT(faults, Not(HasSubstr("line 7")));
    EXPECT_THAT(faults, Not(HasSubstr("line 8")));
}

TEST(DictionaryChecks, TranslationsMustBeTypeableAnswers) {
    auto dictionary =
        MakeDictionaryFiles("t", "", "a\nb\nc\nd\ne\nf\ng\nh",
                            Cp("Кот\nёж\nкот   кошка\nCat\nкoт\nкот \nжелезная дорога  поезд\n"
                               "look for  you're welcome"));
    std::string faults = AllFaults(CheckTranslations(dictionary));
    // The shipped translations are small letters, Russian ("ё" is one of them) or English.
    EXPECT_THAT(faults, HasSubstr("t/names2.txt line 1 \"Кот\": holds a character other than"));
    EXPECT_THAT(faults, Not(HasSubstr("line 2")));
    EXPECT_THAT(faults, HasSubstr("line 3 \"кот   кошка\": has three spaces in a row"));
    EXPECT_THAT(faults, HasSubstr("line 4 \"Cat\": holds a character other than small letters"));
    // A Latin "o" looks like the Russian one but can never be typed on a Russian layout.
    EXPECT_THAT(faults, HasSubstr("line 5 \"кoт\": holds a character other than"));
    EXPECT_THAT(faults, HasSubstr("line 6 \"кот \": starts or ends with a space"));
    EXPECT_THAT(faults, Not(HasSubstr("line 7")));
    EXPECT_THAT(faults, Not(HasSubstr("line 8")));
}

TEST(DictionaryChecks, TranslationsBeyondTheWordsAreNotChecked) {
    auto dictionary = MakeDictionaryFiles("t", "", "a", Cp("кот\nКОТ"));
    EXPECT_EQ(AllFaults(CheckTranslations(dictionary)), "");
}

TEST(DictionaryChecks, Utf8AndNulBytesAreCaught) {
    auto utf8 = MakeDictionaryFiles("u", "Title", "cat\ndog", "кот\nсобака");
    EXPECT_THAT(AllFaults(CheckEncoding(utf8)), HasSubstr("u/names2.txt line 1: is UTF-8"));

    auto mixed = MakeDictionaryFiles("m", "Title", "cat\ndog", Cp("кот\n") + "собака");
    EXPECT_THAT(AllFaults(CheckEncoding(mixed)), HasSubstr("m/names2.txt line 2: is UTF-8"));

    auto bom = MakeDictionaryFiles("b", "\xEF\xBB\xBFTitle", "cat", Cp("кот"));
    EXPECT_THAT(AllFaults(CheckEncoding(bom)), HasSubstr("b/about.txt line 1: is UTF-8"));

    auto nul = MakeDictionaryFiles("n", "Title", std::string("cat\ndog\0", 8), Cp("кот\nпес"));
    EXPECT_THAT(AllFaults(CheckEncoding(nul)), HasSubstr("n/names.txt: holds a NUL byte"));
}

TEST(DictionaryChecks, EveryCp1251LetterPassesTheEncodingCheck) {
    std::string alphabet = Cp("абвгдежзийклмнопрстуфхцчшщъыьэюя АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    auto dictionary = MakeDictionaryFiles("a", alphabet, alphabet, alphabet);
    EXPECT_EQ(AllFaults(CheckEncoding(dictionary)), "");
}

TEST(DictionaryChecks, AboutNeedsATitleThatFitsAndAShortDescription) {
    EXPECT_THAT(AllFaults(CheckAbout(MakeDictionaryFiles("e", "", "a", Cp("а")))),
                HasSubstr("e/about.txt line 1: the title is empty"));
    EXPECT_THAT(AllFaults(CheckAbout(MakeDictionaryFiles("e", "\r\nDescription", "a", "x"))),
                HasSubstr("e/about.txt line 1: the title is empty"));

    std::string wide = Cp("Английский: самые базовые слова");
    EXPECT_THAT(AllFaults(CheckAbout(MakeDictionaryFiles("w", wide, "a", "x"))),
                HasSubstr("so the dialog would split the title"));

    std::string longText = Cp("Заголовок\r\n");
    for (int i = 0; i < 9; ++i) longText += Cp("Строка описания.\r\n");
    EXPECT_THAT(AllFaults(CheckAbout(MakeDictionaryFiles("l", longText, "a", "x"))),
                HasSubstr("l/about.txt: the description needs about 9 rows, the box shows 8"));

    std::string wrapped = Cp("Заголовок\r\n") + std::string(8 * 24, 'x');
    EXPECT_EQ(AllFaults(CheckAbout(MakeDictionaryFiles("f", wrapped, "a", "x"))), "");
    EXPECT_THAT(AllFaults(CheckAbout(MakeDictionaryFiles("f", wrapped + "x", "a", "x"))),
                HasSubstr("needs about 9 rows"));
}

TEST(DictionaryChecks, CountAlternativesSplitsAtTwoSpaces) {
    EXPECT_EQ(CountAlternatives(Cp("собака")), 1u);
    EXPECT_EQ(CountAlternatives(Cp("железная дорога")), 1u);
    EXPECT_EQ(CountAlternatives(Cp("кот  кошка")), 2u);
    EXPECT_EQ(CountAlternatives(Cp("свет  легкий  светлый")), 3u);
    EXPECT_EQ(CountAlternatives(""), 0u);
}

TEST(DictionaryChecks, FindsOnlyFoldersHoldingTheThreeFiles) {
    namespace fs = std::filesystem;
    fs::path root = fs::path(::testing::TempDir()) / "dictionary_checks_find";
    fs::remove_all(root);
    auto make = [&](const std::string& folder, std::vector<std::string> files) {
        fs::create_directories(root / folder);
        for (const auto& file : files) std::ofstream(root / folder / file) << "x";
    };
    make("zeta", {"about.txt", "names.txt", "names2.txt"});
    make("alpha", {"about.txt", "names.txt", "names2.txt"});
    make("missing", {"about.txt", "names.txt"});
    make("folder", {"about.txt", "names2.txt"});
    fs::create_directories(root / "folder" / "names.txt");
    std::ofstream(root / "about.txt") << "x";

    std::vector<fs::path> found = FindDictionaryFolders(root);
    EXPECT_EQ(found, (std::vector<fs::path>{root / "alpha", root / "zeta"}));
    fs::remove_all(root);
}

}  // namespace
}  // namespace lexo
