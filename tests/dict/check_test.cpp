#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dict/check/dictionary_check.h"
#include "temp_dir.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

const fs::path kHostile = fs::path(LEXO_FIXTURES_DIR) / "hostile" / "dictionaries";

const GameMetrics& Metrics() {
    static const GameMetrics metrics = [] {
        auto loaded = LoadGameMetrics(LEXO_GAME_SOURCE_DIR);
        if (!loaded) throw std::runtime_error(loaded.error());
        return *loaded;
    }();
    return metrics;
}

// "names.txt:2:error" for each finding, sorted; notes ("languages.txt:1:note") only when asked.
std::vector<std::string> Findings(const fs::path& folder, bool notes = false) {
    Diagnostics found;
    CheckDictionary(folder, &Metrics(), found);
    std::vector<std::string> findings;
    for (const Diagnostic& finding : found.All()) {
        if (finding.severity == Severity::Note && !notes) continue;
        findings.push_back(fs::path(finding.file).filename().string() + ":" +
                           std::to_string(finding.line) +
                           (finding.severity == Severity::Error     ? ":error"
                            : finding.severity == Severity::Warning ? ":warning"
                                                                    : ":note"));
    }
    std::sort(findings.begin(), findings.end());
    return findings;
}

struct HostileCase {
    const char* folder;
    std::vector<std::string> findings;  // sorted
};

TEST(Check, FindsEveryFaultOfTheHostileCorpusOnItsLine) {
    const std::vector<HostileCase> cases = {
        // Control bytes on every line, a CR among LF line ends, words hundreds of pixels
        // wide, a NUL, too few translations.
        {"binary-garbage",
         {"names.txt:1:error", "names.txt:1:warning", "names.txt:2:error", "names.txt:2:warning",
          "names.txt:2:warning", "names.txt:3:error", "names.txt:3:warning", "names.txt:4:error",
          "names.txt:4:warning", "names.txt:5:error", "names.txt:5:warning", "names2.txt:2:error",
          "names2.txt:2:error", "names2.txt:3:warning"}},
        {"blank-lines-only",
         {"names.txt:1:error", "names.txt:1:warning", "names.txt:2:warning", "names.txt:3:warning",
          "names2.txt:4:warning"}},
        {"cr-only", {}},
        {"empty-names", {"names.txt:1:error", "names2.txt:1:warning"}},
        {"empty-names2", {"names2.txt:1:warning"}},
        {"missing-names2-lines", {"names2.txt:2:warning"}},
        {"mixed-line-ends", {"names.txt:2:warning", "names2.txt:5:warning"}},
        {"nul-bytes", {"names.txt:2:error", "names2.txt:3:warning"}},
        {"only-line-ends",
         {"names.txt:1:error", "names.txt:1:warning", "names.txt:2:warning", "names.txt:2:warning",
          "names.txt:3:warning", "names.txt:4:warning", "names2.txt:5:warning"}},
        {"spaces-only",
         {"names.txt:1:error", "names.txt:1:warning", "names.txt:2:warning",
          "names2.txt:3:warning"}},
        {"utf16-with-bom", {"names.txt:1:error", "names2.txt:1:error"}},
        // Wholly valid UTF-8: read as such, so only the translations are short.
        {"utf8-text", {"names2.txt:3:warning"}},
    };
    size_t folders = 0;
    for (const auto& entry : fs::directory_iterator(kHostile)) {
        folders += entry.is_directory();
    }
    EXPECT_EQ(folders, cases.size()) << "a hostile dictionary without expected findings";
    for (const HostileCase& test : cases) {
        EXPECT_EQ(Findings(kHostile / test.folder), test.findings) << test.folder;
    }
}

TEST(Check, ReadsEachFileAsTheGameDoes) {
    struct Case {
        const char* what;
        std::string names;
        std::vector<std::string> findings;
        const char* languages = "de ru";  // languages.txt, none when null
    };
    const std::vector<Case> cases = {
        {"UTF-8", "der Schlüssel\r\nschön\r\nSCHÖN\r\n", {"names.txt:3:warning"}},
        {"UTF-8 with BOM",
         "\xEF\xBB\xBF"
         "der Schlüssel\r\nschön\r\nzu\r\n",
         {}},
        {"BOM, then a byte that is not UTF-8",
         "\xEF\xBB\xBF"
         "cat\r\nd\xF6g\r\nfish\r\n",
         {"names.txt:2:error"}},
        {"CP1251 with a UTF-8 line", "\xEA\xEE\xF2\r\nschön\r\nfish\r\n", {"names.txt:2:error"}},
        {"invisible characters",
         "Ma\u00ADus\r\nHu\u200Dnd\r\nfish\r\n",
         // The joiner has no glyph either.
         {"names.txt:1:warning", "names.txt:2:warning", "names.txt:2:warning"}},
        {"a soft hyphen in CP1251", "\xEA\xEE\xAD\xF2\r\ndog\r\nfish\r\n", {"names.txt:1:warning"}},
        {"languages with a BOM",
         "cat\r\ndog\r\nfish\r\n",
         {},
         "\xEF\xBB\xBF"
         "de ru"},
        {"no languages", "cat\r\ndog\r\nfish\r\n", {"languages.txt:1:note"}, nullptr},
        {"tags in capitals, a comma", "cat\r\ndog\r\nfish\r\n", {}, "en-US,ru"},
        {"one tag only", "cat\r\ndog\r\nfish\r\n", {"languages.txt:1:warning"}, "de"},
        {"a language without a voice",
         "cat\r\ndog\r\nfish\r\n",
         {"languages.txt:1:warning"},
         "xx-nowhere ru"},
        {"translations without a voice",
         "cat\r\ndog\r\nfish\r\n",
         {"languages.txt:1:warning"},
         "en qq"},
    };
    for (const Case& test : cases) {
        test::TempDir folder;
        std::ofstream(folder.File("about.txt"), std::ios::binary) << "Words\r\n";
        std::ofstream(folder.File("names.txt"), std::ios::binary) << test.names;
        std::ofstream(folder.File("names2.txt"), std::ios::binary) << "a\r\nb\r\nc\r\n";
        if (test.languages != nullptr)
            std::ofstream(folder.File("languages.txt"), std::ios::binary) << test.languages;
        EXPECT_EQ(Findings(folder.Path(), true), test.findings) << test.what;
    }
}

TEST(Check, ReportsNothingOnTheShippedDictionaries) {
    size_t folders = 0;
    for (const auto& entry : fs::directory_iterator(LEXO_GAME_SOURCE_DIR)) {
        if (!fs::exists(entry.path() / "names.txt")) continue;
        ++folders;
        EXPECT_EQ(Findings(entry.path()), std::vector<std::string>{}) << entry.path();
    }
    EXPECT_GE(folders, 3u);
}

TEST(Check, MeasuresWordsWithTheGameFont) {
    EXPECT_EQ(DrawnWidth(Metrics(), ""), 0);
    const int32_t narrow = DrawnWidth(Metrics(), "ill");
    const int32_t wide = DrawnWidth(Metrics(), "WWW");
    EXPECT_GT(narrow, 0);
    EXPECT_GT(wide, 2 * narrow);
    EXPECT_GT(DrawnWidth(Metrics(), std::string(40, 'W')), Metrics().wordRoom);
    // A UTF-8 word is measured as drawn, a character without a glyph as the replacement mark.
    EXPECT_EQ(DrawnWidth(Metrics(), "\xC6\xE0\xF0"),
              DrawnWidth(Metrics(), "Жар", TextEncoding::Utf8));
    EXPECT_EQ(DrawnWidth(Metrics(), "a中b", TextEncoding::Utf8),
              DrawnWidth(Metrics(), "a\uFFFDb", TextEncoding::Utf8));
}

TEST(Check, FindsTheFirstCharacterTheWordFontHasNoGlyphFor) {
    const std::pair<std::string, size_t> words[] = {
        {"der Schlüssel", 0}, {"καλημέρα", 0},  {"ґанок, їжак, ў, ђ, ќ", 0},
        {"Ștefan", 0},        {"Straße 中", 8}, {"ab\xC3", 3},
        {"\xFF", 1},          {"a\tb", 0},
    };
    for (const auto& [word, column] : words) {
        EXPECT_EQ(FirstWithoutGlyph(Metrics(), word, TextEncoding::Utf8), column) << word;
    }
    // Every CP1251 character has one; the unassigned byte is no character.
    std::string cp1251;
    for (int c = 0x20; c < 0x100; ++c) cp1251 += static_cast<char>(c);
    EXPECT_EQ(FirstWithoutGlyph(Metrics(), cp1251), 0u);
}

// The field draws the other scripts with the installed fonts: a character is reported when
// fontconfig's own listing has no font for it, and always when it is of no such script.
TEST(Check, WarnsAboutACharacterNoInstalledFontHas) {
    const auto noFontHas = [](const char* hex) {
        const std::string command = std::string("fc-list ':charset=") + hex + "' family";
        FILE* listing = popen(command.c_str(), "r");
        char line[256];
        const bool listed = listing != nullptr && std::fgets(line, sizeof line, listing) != nullptr;
        if (listing != nullptr) pclose(listing);
        return !listed;
    };
    const struct {
        const char* word;
        const char* hex;  // the character asked about
    } kCases[] = {{"学校", "5b66"}, {"가\U0001B001", "1b001"}, {"مدرسة", "645"}, {"a🙂", ""}};
    test::TempDir folder;
    std::ofstream(folder.File("about.txt")) << "t\r\n";
    std::ofstream(folder.File("names2.txt")) << "a\r\nb\r\nc\r\nd\r\n";
    std::ofstream names(folder.File("names.txt"));
    for (const auto& c : kCases) names << c.word << "\r\n";
    names.close();
    std::vector<std::string> expected;
    for (size_t i = 0; i < std::size(kCases); ++i) {
        if (*kCases[i].hex == '\0' || noFontHas(kCases[i].hex)) {
            expected.push_back("names.txt:" + std::to_string(i + 1) + ":warning");
        }
    }
    EXPECT_EQ(Findings(folder.Path()), expected);
    EXPECT_TRUE(noFontHas("1b001")) << "a character no font has is needed to tell the branches";
}

}  // namespace
}  // namespace lexo::dict
