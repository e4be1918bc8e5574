#include "game/dictionary_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "errors/run_time_error.h"
#include "game/dictionary_about.h"
#include "temp_folder.h"

namespace lexo {
namespace {

using testing::TempFolder;

std::vector<std::string> SortedScan(const std::string& folder) {
    std::vector<std::string> names = ScanDictionaryFolders(folder);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DictionaryFolderScan, ListsOnlyFoldersHoldingTheThreeFilesAsRegularFiles) {
    TempFolder work;
    work.MakeDictionary("complete");
    for (const char* missing : {"about.txt", "names.txt", "names2.txt"}) {
        std::string name = std::string("without_") + missing;
        work.MakeDictionary(name);
        std::filesystem::remove(work / (name + "/" + missing));
    }
    work.MakeDictionary("names_is_folder");
    std::filesystem::remove(work / "names_is_folder/names.txt");
    work.MakeFolder("names_is_folder/names.txt");
    work.WriteFile("a_file", "about.txt names.txt names2.txt");

    EXPECT_EQ(SortedScan(work.Path()), std::vector<std::string>{"complete"});
}

TEST(DictionaryFolderScan, SkipsHiddenFoldersAndFollowsLinks) {
    TempFolder work;
    work.MakeDictionary(".hidden");
    work.MakeDictionary("..dots");
    work.MakeDictionary("real");
    std::filesystem::create_directory_symlink(work / "real", work / "linked");
    std::filesystem::create_symlink(work / "nowhere", work / "broken");

    EXPECT_EQ(SortedScan(work.Path()), (std::vector<std::string>{"linked", "real"}));
}

TEST(DictionaryFolderScan, TestsTheDotEntriesLikeAnyFolder) {
    TempFolder work;
    work.MakeDictionary("game");
    work.MakeFolder("game/inner");

    EXPECT_EQ(SortedScan(work / "game"), std::vector<std::string>{"."});
    EXPECT_EQ(SortedScan(work / "game/inner"), std::vector<std::string>{".."});
}

TEST(DictionaryFolderScan, KeepsTheFileSystemsBytesOfNames) {
    TempFolder work;
    // "Дом" in CP1251, which is not UTF-8.
    const std::string name = "\xc4\xee\xec";
    work.MakeDictionary(name);

    EXPECT_EQ(ScanDictionaryFolders(work.Path()), std::vector<std::string>{name});
}

TEST(DictionaryFolderScan, UnreadableWorkingFolderGivesNoFolders) {
    TempFolder work;
    EXPECT_TRUE(ScanDictionaryFolders(work / "missing").empty());
    EXPECT_TRUE(ScanDictionaryFolders(work.Path()).empty());
}

TEST(DictionaryFilePath, IsRelativeToTheGameFolder) {
    EXPECT_EQ(DictionaryFilePath(".", "english", "names.txt"), "english/names.txt");
    EXPECT_EQ(DictionaryFilePath("/games/lexo", "..", "about.txt"), "/games/lexo/../about.txt");
}

// The description as the dialog shows it: any line end, a NUL ending the text, and a UTF-8
// character cut by the read's limit.
TEST(FolderAbout, JoinsLinesAsGameTextAndReadsOnlyTheStart) {
    TempFolder work;
    // "Заголовок", "Первая" in CP1251.
    work.MakeDictionary(
        "mixed", "\xc7\xe0\xe3\xee\xeb\xee\xe2\xee\xea\r\n\xcf\xe5\xf0\xe2\xe0\xff\rB\n\nD\n" +
                     std::string(1, '\0') + "ignored");
    work.MakeDictionary("utf8", "Wörter\r\n" + std::string(kAboutShownBytes - 10, 'a') + "ü" +
                                    std::string(100, 'b'));
    work.MakeDictionary("empty", "");

    EXPECT_EQ(FolderAbout(work.Path(), "mixed"), "Заголовок\nПервая\nB\n\nD");
    // Read as UTF-8 although cut, and no further than the limit.
    const std::string utf8 = FolderAbout(work.Path(), "utf8");
    EXPECT_TRUE(utf8.starts_with("Wörter\n" + std::string(kAboutShownBytes - 10, 'a')));
    EXPECT_LT(utf8.size(), kAboutShownBytes);
    EXPECT_EQ(FolderAbout(work.Path(), "empty"), "");
    EXPECT_THROW(FolderAbout(work.Path(), "missing"), RunTimeError);
}

TEST(NamesLanguages, OnlyAReadableLineOfTwoLanguages) {
    TempFolder work;
    for (const char* name : {"deutsch", "wrong", "none"}) work.MakeDictionary(name);
    work.WriteFile("deutsch/languages.txt", "de ru\r\n");
    work.WriteFile("wrong/languages.txt", "de\r\n");

    EXPECT_TRUE(NamesLanguages(work.Path(), "deutsch"));
    EXPECT_FALSE(NamesLanguages(work.Path(), "wrong"));
    EXPECT_FALSE(NamesLanguages(work.Path(), "none"));
}

}  // namespace
}  // namespace lexo
