#include "game/dictionary_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "errors/run_time_error.h"
#include "game/dictionary_about.h"
#include "game/dictionary_order.h"
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

    EXPECT_EQ(FolderAbout(work.Path(), "mixed", "ru"), "Заголовок\nПервая\nB\n\nD");
    // Read as UTF-8 although cut, and no further than the limit.
    const std::string utf8 = FolderAbout(work.Path(), "utf8", "ru");
    EXPECT_TRUE(utf8.starts_with("Wörter\n" + std::string(kAboutShownBytes - 10, 'a')));
    EXPECT_LT(utf8.size(), kAboutShownBytes);
    EXPECT_EQ(FolderAbout(work.Path(), "empty", "ru"), "");
    EXPECT_THROW(FolderAbout(work.Path(), "missing", "ru"), RunTimeError);
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

// The description in the player's language when the folder has one as a file, else about.txt.
TEST(AboutFileFor, TakesTheDescriptionInThePlayersLanguage) {
    TempFolder work;
    work.MakeDictionary("d");
    work.WriteFile("d/about.de.txt", "Titel");
    work.MakeFolder("d/about.uk.txt");
    EXPECT_EQ(AboutFileFor(work.Path(), "d", "de"), work / "d/about.de.txt");
    EXPECT_EQ(AboutFileFor(work.Path(), "d", "en"), work / "d/about.txt");
    EXPECT_EQ(AboutFileFor(work.Path(), "d", "uk"), work / "d/about.txt");
    EXPECT_EQ(AboutFileFor(work.Path(), "d", "ru"), work / "d/about.txt");
}

// The player's lists first, each group alphabetical; the classic folders, which name no
// languages, count as written for Russian speakers, so Russian and the C locale ("ru") see the
// shipped lists as they always were.
TEST(PlayerOrder, PutsTheListsInThePlayersLanguageFirst) {
    auto listed = [](const char* name, const char* languages) {
        return ListedDictionary{name, *languages ? ParseLanguages(languages) : std::nullopt};
    };
    const std::vector<ListedDictionary> folders = {
        listed("russian-basics", "ru en"),
        listed("Ёлка", ""),
        listed("english-basics", "en ru"),
        listed("deutsch-für-uns", "de en-gb"),
        listed("Zoo", ""),
        listed("englisch-grundlagen", "en de"),
        listed("ель", ""),
        listed("espanol-basico", "es ru"),
        listed("Deutsch", "de ru"),
    };
    const struct {
        const char* language;
        std::vector<std::string> order;
    } cases[] = {
        {"ru",
         {"Deutsch", "english-basics", "espanol-basico", "Zoo", "Ёлка", "ель", "deutsch-für-uns",
          "englisch-grundlagen", "russian-basics"}},
        {"de",
         {"englisch-grundlagen", "Deutsch", "deutsch-für-uns", "english-basics", "espanol-basico",
          "russian-basics", "Zoo", "Ёлка", "ель"}},
        {"en",
         {"deutsch-für-uns", "russian-basics", "Deutsch", "englisch-grundlagen", "english-basics",
          "espanol-basico", "Zoo", "Ёлка", "ель"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> names;
        for (const ListedDictionary& d : PlayerOrder(folders, c.language)) names.push_back(d.name);
        EXPECT_EQ(names, c.order) << c.language;
    }
}

}  // namespace
}  // namespace lexo
