#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dict/read/input_text.h"
#include "dict/write/dictionary_build.h"
#include "dict/write/dictionary_export.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

// export, then import of what it wrote, as the two commands do it.
std::vector<FolderFile> ExportThenImport(const fs::path& folder) {
    Diagnostics found;
    const std::string tsv = ExportDictionary(folder, found).value();
    const DecodedInput decoded = DecodeInput(tsv);
    EXPECT_FALSE(decoded.badOffset);
    EXPECT_EQ(DetectFormat(decoded.utf8), InputFormat::Anki);
    const ParsedInput input = ParseInput(decoded.utf8, InputFormat::Anki, "export", found);
    BuildOptions options;
    options.fallbackTitle = "export";
    const DictionaryLines lines =
        BuildDictionary(input, options, "export", Cp1251Folder(FoldTarget::Unicode), found);
    for (const Diagnostic& finding : found.All()) ADD_FAILURE() << FormatDiagnostic(finding);
    return DictionaryFolderFiles(lines);
}

TEST(RoundTrip, ImportOfAnExportGivesTheShippedFilesByteForByte) {
    size_t folders = 0;
    for (const auto& entry : fs::directory_iterator(LEXO_GAME_SOURCE_DIR)) {
        if (!fs::exists(entry.path() / "names.txt")) continue;
        ++folders;
        const std::vector<FolderFile> files = ExportThenImport(entry.path());
        // languages.txt, readings.txt and the descriptions in other languages come back too.
        const auto held = std::distance(fs::directory_iterator(entry.path()), {});
        EXPECT_EQ(files.size(), static_cast<size_t>(held)) << entry.path();
        for (const FolderFile& file : files) {
            EXPECT_EQ(file.bytes, ReadWholeFile((entry.path() / file.name).string()))
                << entry.path() << "/" << file.name;
        }
    }
    EXPECT_GE(folders, 3u);
}

TEST(RoundTrip, ImportOfAnExportGivesAnyCheckedFolderByteForByte) {
    const struct {
        const char* what;
        std::string about, names, names2;
    } cases[] = {
        {"separators and blanks inside lines", "Deck::part \r\n  description  \r\n\r\nend\r\n",
         "dog\r\n  cat\r\n\r\n\"quoted\"\r\n#hash\r\n",
         "км/ч\r\na, b\r\nc  d   e \r\n\r\nx\ty\r\n"},
        {"LF and CR line ends, the last line without one", "t\n", "a\rb\r", "x\ny"},
        {"more translations than words", "", "a\r\n", "x\r\ny\r\n\r\n"},
        {"no translations", "t\r\n", "a\r\nb\r\n", ""},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const fs::path folder = dir.File("d");
        ASSERT_TRUE(WriteFolder(folder,
                                {{"about.txt", Utf8ToCp1251(c.about)},
                                 {"names.txt", Utf8ToCp1251(c.names)},
                                 {"names2.txt", Utf8ToCp1251(c.names2)}},
                                ExistingFolder::Keep));
        for (const FolderFile& file : ExportThenImport(folder)) {
            EXPECT_EQ(file.bytes, ReadWholeFile((folder / file.name).string()))
                << c.what << ": " << file.name;
        }
    }
}

TEST(RoundTrip, AUtf8FolderComesBackByteForByte) {
    test::TempDir dir;
    const fs::path folder = dir.File("deutsch");
    ASSERT_TRUE(WriteFolder(folder,
                            {{"about.txt", "Deutsch für dich\r\nΛέξεις και слова.\r\n"},
                             {"names.txt", "der Schlüssel\r\ndie Straße\r\n"},
                             {"names2.txt", "ключ  отмычка\r\nулица\r\n"}},
                            ExistingFolder::Keep));
    for (const FolderFile& file : ExportThenImport(folder)) {
        EXPECT_EQ(file.bytes, ReadWholeFile((folder / file.name).string())) << file.name;
    }
}

// The descriptions in other languages travel as #about.LL: lines, title included; a file
// whose name is no language tag is not one of them.
TEST(RoundTrip, DescriptionsInOtherLanguagesComeBack) {
    test::TempDir dir;
    const fs::path folder = dir.File("d");
    const std::vector<FolderFile> written = {
        {"about.txt", Utf8ToCp1251("Немецкий\r\nСлов: 1.\r\n")},
        {"names.txt", "Hund\r\n"},
        {"names2.txt", Utf8ToCp1251("собака\r\n")},
        {"about.de.txt", "Deutsch für Anfänger\r\n\r\n#1 Wörter: 1.\r\n"},
        {"about.en-gb.txt", "German\r\n"},
    };
    WriteFolder(folder, written, ExistingFolder::Keep);
    WriteWholeFile(folder / "about.DE.txt", "ignored\r\n");
    const std::vector<FolderFile> files = ExportThenImport(folder);
    ASSERT_EQ(files.size(), written.size());
    for (const FolderFile& file : files) {
        EXPECT_EQ(file.bytes, ReadWholeFile((folder / file.name).string())) << file.name;
    }
}

TEST(FolderWriter, WritesWholeFoldersAndReplacesOnlyWhenAsked) {
    test::TempDir dir;
    const fs::path target = dir.File("words");
    const mode_t umask = ::umask(027);
    ASSERT_TRUE(WriteFolder(target, {{"a.txt", "one"}, {"b.txt", "two"}}, ExistingFolder::Keep));
    ::umask(umask);
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "one");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0750)) << "as the umask says";

    EXPECT_FALSE(WriteFolder(target, {{"a.txt", "new"}}, ExistingFolder::Keep));
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "one");

    // A file that cannot be written leaves the old folder as it was.
    EXPECT_FALSE(
        WriteFolder(target, {{"a.txt", "new"}, {"no/such/dir", "x"}}, ExistingFolder::Replace));
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "one");

    // A writer killed midway leaves its hidden folder, which the next one takes away.
    fs::create_directory(dir.File(".words.new-Ab12Cd"));
    ASSERT_TRUE(WriteFolder(target, {{"a.txt", "new"}, {"b.txt", "two"}}, ExistingFolder::Replace));
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0750)) << "kept when replaced";

    // A folder holding anything else is not replaced, nor is anything in it touched.
    std::ofstream(target / "mine.txt") << "mine";
    EXPECT_FALSE(WriteFolder(target, {{"a.txt", "x"}}, ExistingFolder::Replace));
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "new");
    fs::remove(target / "mine.txt");
    // Nothing is left beside it.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 1u);
}

}  // namespace
}  // namespace lexo::dict
