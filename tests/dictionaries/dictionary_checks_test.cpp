#include "dictionary_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace lexo {
namespace {

std::string AllFaults(const std::vector<std::string>& faults) {
    std::string all;
    for (const auto& fault : faults) all += fault + "\n";
    return all;
}

using ::testing::HasSubstr;
using ::testing::Not;

TEST(DictionaryChecks, WordsAreLatinWithMarksOrCyrillicNotAMix) {
    auto dictionary = MakeDictionaryFiles(
        "w",
        "cat\r\nкoт\r\nice cream\r\nЁж\r\ndie Straße\r\nl'été\r\nla niña\r\nœuvre\r\n"
        "cat2\r\nκάτι\r\nsoupe-à-l'oignon\r\n",
        "");
    std::string faults = AllFaults(CheckWordScripts(dictionary));
    // Latin "o" in a Russian word.
    EXPECT_THAT(faults, HasSubstr("w/names.txt line 2 \"кoт\": holds a character other than"));
    EXPECT_THAT(faults, HasSubstr("line 9 \"cat2\""));
    EXPECT_THAT(faults, HasSubstr("line 10 \"κάτι\""));
    for (const char* good :
         {"line 1 ", "line 3", "line 4", "line 5", "line 6", "line 7", "line 8", "line 11"}) {
        EXPECT_THAT(faults, Not(HasSubstr(good)));
    }
}

TEST(DictionaryChecks, TranslationsMustBeTypeableAnswers) {
    auto dictionary = MakeDictionaryFiles("t", "a\nb\nc\nd\ne\nf\ng\nh\ni\nj",
                                          "Кот\nёж\nкот   кошка\nCat\nкoт\nкот'\n"
                                          "железная дорога  поезд\nlook for  you're welcome\n"
                                          "la mère  maman\nÉté");
    std::string faults = AllFaults(CheckTranslations(dictionary));
    EXPECT_THAT(faults, HasSubstr("t/names2.txt line 1 \"Кот\": holds a character other than"));
    EXPECT_THAT(faults, Not(HasSubstr("line 2")));
    EXPECT_THAT(faults, HasSubstr("line 3 \"кот   кошка\": has three spaces in a row"));
    EXPECT_THAT(faults, HasSubstr("line 4 \"Cat\": holds a character other than small letters"));
    // A Latin "o" looks like the Russian one but can never be typed on a Russian layout.
    EXPECT_THAT(faults, HasSubstr("line 5 \"кoт\": holds a character other than"));
    EXPECT_THAT(faults, HasSubstr("line 6 \"кот'\""));
    EXPECT_THAT(faults, Not(HasSubstr("line 7")));
    EXPECT_THAT(faults, Not(HasSubstr("line 8")));
    EXPECT_THAT(faults, Not(HasSubstr("line 9")));
    EXPECT_THAT(faults, HasSubstr("line 10 \"Été\""));
}

// A word's note for its learners is read, not typed; only a closing note in Latin letters.
TEST(DictionaryChecks, WordsMayEndInALearnersNote) {
    auto dictionary = MakeDictionaryFiles(
        "n",
        "der Hund (Hunde)\nl'enfant (m, f)\ndie Eltern (Pl.)\nder Kuli (-)\ncat (2)\n"
        "der Hund (Hunde\nкот (м)\n(Hunde) der Hund",
        "");
    std::string faults = AllFaults(CheckWordScripts(dictionary));
    for (const char* good : {"line 1 ", "line 2 ", "line 3 ", "line 4 "}) {
        EXPECT_THAT(faults, Not(HasSubstr(good)));
    }
    for (const char* bad : {"line 5 ", "line 6 ", "line 7 ", "line 8 "}) {
        EXPECT_THAT(faults, HasSubstr(bad));
    }
}

// Capitals start words only in languages that write them so; Ukrainian's apostrophe sits
// between letters.
TEST(DictionaryChecks, CapitalsAndApostrophesFollowTheTranslationsLanguage) {
    const struct {
        const char* language;
        const char* translation;
        bool fine;
    } cases[] = {
        {"de", "der Hund  die Hunde", true},
        {"en", "Monday  T-shirt", true},
        {"de", "der HUnd", false},
        {"ru", "Кот", false},
        {"", "Cat", false},
        {"uk", "м'ясо  п'ять", true},
        {"uk", "м'ясо'", false},
        {"uk", "'ясо", false},
    };
    for (const auto& c : cases) {
        auto dictionary = MakeDictionaryFiles("t", "a", c.translation, c.language);
        EXPECT_EQ(CheckTranslations(dictionary).empty(), c.fine)
            << c.language << " \"" << c.translation << "\"";
    }
}

TEST(DictionaryChecks, TranslationsBeyondTheWordsAreNotChecked) {
    auto dictionary = MakeDictionaryFiles("t", "a", "кот\nКОТ");
    EXPECT_EQ(AllFaults(CheckTranslations(dictionary)), "");
}

TEST(DictionaryChecks, CountAlternativesSplitsAtTwoSpaces) {
    EXPECT_EQ(CountAlternatives("собака"), 1u);
    EXPECT_EQ(CountAlternatives("железная дорога"), 1u);
    EXPECT_EQ(CountAlternatives("кот  кошка"), 2u);
    EXPECT_EQ(CountAlternatives("свет  легкий  светлый"), 3u);
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
