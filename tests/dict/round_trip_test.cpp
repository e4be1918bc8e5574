#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dict/dictionary_build.h"
#include "dict/dictionary_export.h"
#include "dict/input_text.h"
#include "temp_dir.h"
#include "text/text_file.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

// export, then import of what it wrote, as the two commands do it.
std::vector<FolderFile> ExportThenImport(const fs::path& folder) {
    Diagnostics found;
    const std::string tsv = ExportDictionary(folder, found);
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
        for (const FolderFile& file : ExportThenImport(entry.path())) {
            EXPECT_EQ(file.bytes, ReadWholeFile((entry.path() / file.name).string()))
                << entry.path() << "/" << file.name;
        }
    }
    EXPECT_GE(folders, 3u);
}

TEST(RoundTrip, AUtf8FolderComesBackByteForByte) {
    test::TempDir dir;
    const fs::path folder = dir.File("deutsch");
    WriteFolder(folder,
                {{"about.txt", "Deutsch für dich\r\nΛέξεις και слова.\r\n"},
                 {"names.txt", "der Schlüssel\r\ndie Straße\r\n"},
                 {"names2.txt", "ключ  отмычка\r\nулица\r\n"}},
                ExistingFolder::Keep);
    for (const FolderFile& file : ExportThenImport(folder)) {
        EXPECT_EQ(file.bytes, ReadWholeFile((folder / file.name).string())) << file.name;
    }
}

TEST(FolderWriter, WritesWholeFoldersAndReplacesOnlyWhenAsked) {
    test::TempDir dir;
    const fs::path target = dir.File("words");
    WriteFolder(target, {{"a.txt", "one"}, {"b.txt", "two"}}, ExistingFolder::Keep);
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "one");

    EXPECT_THROW(WriteFolder(target, {{"a.txt", "new"}}, ExistingFolder::Keep), FolderWriteError);
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "one");

    // A file that cannot be written leaves the old folder as it was.
    EXPECT_THROW(
        WriteFolder(target, {{"a.txt", "new"}, {"no/such/dir", "x"}}, ExistingFolder::Replace),
        FolderWriteError);
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "one");

    WriteFolder(target, {{"a.txt", "new"}}, ExistingFolder::Replace);
    EXPECT_EQ(ReadWholeFile((target / "a.txt").string()), "new");
    EXPECT_FALSE(fs::exists(target / "b.txt"));
    // Nothing is left beside it.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 1u);
}

}  // namespace
}  // namespace lexo::dict
