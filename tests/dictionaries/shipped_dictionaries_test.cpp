#include <gtest/gtest.h>
#include <unicode/utf8.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "dict/check/dictionary_check.h"
#include "dict/check/game_metrics.h"
#include "dictionary_checks.h"
#include "text/cp1251_fold.h"
#include "text/latin_reading.h"
#include "text/text_file.h"
#include "text/unicode_text.h"

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

const DictionaryFiles* ShippedNamed(const std::string& name) {
    for (const auto& dictionary : Shipped()) {
        if (std::filesystem::path(dictionary.folder).filename() == name) return &dictionary;
    }
    return nullptr;
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

// Encoding, line counts, duplicates, blanks, the about dialog and word widths in the game's
// own font: whatever lexodrome-dict check finds in a shipped folder, a player would meet.
TEST(ShippedDictionaries, PassTheDictionaryToolsCheck) {
    const auto metrics = dict::LoadGameMetrics(LEXO_GAME_SOURCE_DIR);
    ASSERT_TRUE(metrics) << metrics.error();
    const auto folders = FindDictionaryFolders(LEXO_GAME_SOURCE_DIR);
    ASSERT_FALSE(folders.empty());
    for (const auto& folder : folders) {
        dict::Diagnostics found;
        dict::CheckDictionary(folder, &*metrics, found);
        for (const auto& diagnostic : found.All())
            ADD_FAILURE() << dict::FormatDiagnostic(diagnostic);
    }
}

TEST(ShippedDictionaries, WordsAreInOneAlphabet) { ExpectNoFaults(CheckWordScripts); }

TEST(ShippedDictionaries, TranslationsCanBeTypedAsAnswers) { ExpectNoFaults(CheckTranslations); }

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

// A learner without the script's keyboard answers by the Latin reading: every shipped word
// outside Latin and Cyrillic has one, from readings.txt or from the rules made at loading.
TEST(ShippedDictionaries, EveryWordInAnotherScriptHasALatinReading) {
    size_t read = 0;
    for (const auto& folder : FindDictionaryFolders(LEXO_GAME_SOURCE_DIR)) {
        const DictionaryFiles dictionary = ReadDictionaryFiles(folder);
        StringList given;
        if (std::filesystem::exists(folder / kReadingsFile)) {
            given.SetText(ReadDictionaryFile((folder / kReadingsFile).string()));
        }
        LatinReader reader;
        for (size_t i = 0; i < dictionary.names.Count(); ++i) {
            const std::string_view word = dictionary.names[i];
            UChar32 first = 0;
            U8_GET(reinterpret_cast<const uint8_t*>(word.data()), 0, 0,
                   static_cast<int32_t>(word.size()), first);
            if (!dict::IsOtherScriptCharacter(first)) continue;
            ++read;
            const std::string_view line = i < given.Count() ? given[i] : std::string_view();
            EXPECT_FALSE(reader.Readings(word, line).empty())
                << folder.filename() << "/names.txt line " << i + 1 << " \"" << word << "\"";
        }
    }
    EXPECT_GT(read, 0u);
}

// The travel list is for learners who know the basics: a word of both would be learnt twice.
TEST(ShippedDictionaries, TravelWordsAreNotAlreadyBasics) {
    const DictionaryFiles* basics = ShippedNamed("english-basics");
    const DictionaryFiles* travel = ShippedNamed("english-travel");
    ASSERT_TRUE(basics && travel);
    std::set<std::string> known;
    for (size_t i = 0; i < basics->names.Count(); ++i) known.insert(CaseFolded(basics->names[i]));
    for (size_t i = 0; i < travel->names.Count(); ++i) {
        EXPECT_FALSE(known.count(CaseFolded(travel->names[i])))
            << "english-travel/names.txt line " << i + 1 << " \"" << travel->names[i]
            << "\" is in english-basics";
    }
}

}  // namespace
}  // namespace lexo
