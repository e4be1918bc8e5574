#include <gtest/gtest.h>

#include <vector>

#include "dictionary_checks.h"

namespace lexo {
namespace {

const std::vector<DictionaryFiles>& Shipped() {
    static const std::vector<DictionaryFiles> dictionaries = [] {
        std::vector<DictionaryFiles> all;
        for (const auto& folder : FindDictionaryFolders(LEXO_GAME_SOURCE_DIR)) {
            all.push_back(ReadDictionaryFiles(folder));
        }
        return all;
    }();
    return dictionaries;
}

void ExpectNoFaults(std::vector<std::string> (*check)(const DictionaryFiles&)) {
    ASSERT_FALSE(Shipped().empty()) << "no dictionary folder in " << LEXO_GAME_SOURCE_DIR;
    for (const auto& dictionary : Shipped()) {
        for (const auto& fault : check(dictionary)) ADD_FAILURE() << fault;
    }
}

TEST(ShippedDictionaries, ThreeOrMoreWithFourHundredWordsInAll) {
    EXPECT_GE(Shipped().size(), 3u);
    size_t words = 0;
    for (const auto& dictionary : Shipped()) words += dictionary.names.Count();
    EXPECT_GE(words, 400u);
}

TEST(ShippedDictionaries, EveryWordHasItsTranslation) { ExpectNoFaults(CheckLineCounts); }

TEST(ShippedDictionaries, WordsAreShortUniqueAndInOneAlphabet) { ExpectNoFaults(CheckWords); }

TEST(ShippedDictionaries, TranslationsCanBeTypedAsAnswers) { ExpectNoFaults(CheckTranslations); }

TEST(ShippedDictionaries, FilesAreCp1251) { ExpectNoFaults(CheckEncoding); }

TEST(ShippedDictionaries, AboutFitsTheDictionaryDialog) { ExpectNoFaults(CheckAbout); }

TEST(ShippedDictionaries, EachOffersAlternativeTranslations) {
    ASSERT_FALSE(Shipped().empty());
    for (const auto& dictionary : Shipped()) {
        size_t lines = 0;
        for (size_t i = 0; i < dictionary.names2.Count(); ++i) {
            if (CountAlternatives(dictionary.names2[i]) >= 2) ++lines;
        }
        EXPECT_GT(lines, 0u) << dictionary.folder << "/names2.txt";
    }
}

}  // namespace
}  // namespace lexo
