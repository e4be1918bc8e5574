// The game logic with the real engine on broken content: every case starts the game in a game
// folder with some files replaced by hostile ones, chooses a dictionary and plays for a while,
// in a child process of its own. The outcome is the message the player sees (or none), and a
// game that goes on as far as its content allows: never a crash, never a hang.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>

#include "game_session.h"
#include "hostile_fixtures.h"
#include "isolated_run.h"

namespace lexo::hostile {
namespace {

using namespace std::chrono_literals;

struct ContentCase {
    std::string name;
    std::function<void(GameFolder&)> prepare;
    std::vector<std::string> messages;    // UTF-8, as "caption: text"
    int kinds = 5;                        // the shipped catalogue
    int words = 3;                        // the dictionary "words"
    bool plays = true;                    // monsters come
    std::optional<bool> gamesEnd = true;  // and reach the player; nothing: either may happen
    bool background = true;
    std::string dictionary = "words";   // chosen first
    std::vector<std::string> fixtures;  // the corpus files it uses
};

std::string Zarnik(const std::string& text) { return "zarnik: " + text + "."; }
std::string NotAnInteger(const std::string& text) {
    return Zarnik("'" + text + "' is not a valid integer value");
}

// Start-up shows the message and stops there: no monster ever comes, no dictionary is read.
void Stops(ContentCase& c, const std::string& message) {
    c.messages = {message};
    c.plays = false;
    c.gamesEnd = false;
    c.words = 0;
}

// Content files replaced by corpus files.
ContentCase Assets(std::string name, std::vector<std::pair<std::string, std::string>> files) {
    ContentCase c;
    c.name = std::move(name);
    for (const auto& [path, fixture] : files) c.fixtures.push_back(fixture);
    c.prepare = [files](GameFolder& folder) {
        for (const auto& [path, fixture] : files) folder.ReplaceWithFixture(path, fixture);
    };
    return c;
}

// monsters.txt replaced; the game stops at the first kind that fails with `message`.
ContentCase Catalogue(const std::string& file, int kinds, const std::string& message) {
    ContentCase c = Assets("monsters_" + file, {{"monsters.txt", "monsters/" + file + ".txt"}});
    c.kinds = kinds;
    if (!message.empty()) Stops(c, Zarnik(message));
    return c;
}

// The beetle's .mon file (kind 2) replaced; a failing one stops the catalogue there.
ContentCase Kind(const std::string& file, const std::string& message) {
    ContentCase c = Assets("mon_" + file, {{"data/beetle.mon", "mon/" + file + ".mon"}});
    if (!message.empty()) {
        Stops(c, message);
        c.kinds = 2;
    }
    return c;
}

// A dictionary of the corpus chosen in the first dialog, with as many words as given; or, when
// it has none, the message and "words" chosen next.
ContentCase Dictionary(const std::string& name, int words) {
    ContentCase c;
    c.name = "dictionary_" + name;
    c.prepare = [name](GameFolder& folder) { folder.AddFixtureDictionary(name); };
    for (const char* file : {"about.txt", "names.txt", "names2.txt"}) {
        c.fixtures.push_back("dictionaries/" + name + "/" + file);
    }
    c.dictionary = name;
    c.words = words;
    if (words == 0) {
        c.messages = {Zarnik("В файле \"" + name + "/names.txt\" нет ни одного слова")};
        c.words = 3;
    }
    return c;
}

std::vector<ContentCase> AssetCases() {
    ContentCase background =
        Assets("background_truncated", {{"data/fon.bmp", "bmp/truncated-pixels.bmp"}});
    background.background = false;
    ContentCase absurd =
        Assets("background_absurd_size", {{"data/fon.bmp", "bmp/width-0x7fffffff.bmp"}});
    absurd.background = false;
    ContentCase missing = Assets("every_picture_font_and_sound_missing", {});
    missing.prepare = [](GameFolder& folder) {
        for (const char* file :
             {"fon.bmp", "player.bmp", "dethplayer.bmp", "troll_walk.bmp", "troll_die.bmp",
              "beetle_walk.bmp", "beetle_die.bmp", "bat_fly.bmp", "bat_die.bmp", "slime_ooze.bmp",
              "slime_die.bmp", "skeleton_walk.bmp", "skeleton_die.bmp", "font.dft", "font2.dft",
              "fire.wav", "die.wav", "music.mp3"}) {
            folder.Remove(std::string("data/") + file);
        }
    };
    missing.background = false;
    return {
        background,
        absurd,
        Assets("player_sheets_broken",
               {{"data/player.bmp", "bmp/garbage.bmp"}, {"data/dethplayer.bmp", "bmp/rle8.bmp"}}),
        Assets("monster_sheets_broken", {{"data/troll_walk.bmp", "bmp/height-int-min.bmp"},
                                         {"data/beetle_die.bmp", "bmp/depth-64.bmp"}}),
        Assets("fonts_broken", {{"data/font.dft", "dft/garbage.dft"},
                                {"data/font2.dft", "dft/truncated-atlas.dft"}}),
        Assets("fonts_extreme", {{"data/font.dft", "dft/valid-extreme-placement.dft"},
                                 {"data/font2.dft", "dft/valid-outline.dft"}}),
        Assets("samples_broken",
               {{"data/fire.wav", "wav/truncated-fmt.wav"}, {"data/die.wav", "wav/empty.wav"}}),
        Assets("music_garbage", {{"data/music.mp3", "mp3/frame-sync-then-garbage.mp3"}}),
        missing,
    };
}

// Thousands of kinds: all of them load and walk.
ContentCase Thousands() {
    ContentCase c;
    c.name = "monsters_thousands_of_kinds";
    c.prepare = [](GameFolder& folder) {
        std::string names;
        for (int i = 0; i < 1500; ++i) names += "troll\r\nbeetle\r\n";
        folder.Replace("monsters.txt", names);
    };
    c.kinds = 3000;
    return c;
}

std::vector<ContentCase> CatalogueCases() {
    ContentCase empty = Catalogue("empty", 0, "");
    empty.plays = false;  // no kind, no monster
    empty.gamesEnd = false;
    return {
        empty,
        Catalogue("one-kind", 1, ""),
        Catalogue("only-line-ends", 1, "File not found"),
        Catalogue("blank-line", 2, "File not found"),
        Catalogue("no-final-line-end", 2, ""),
        Catalogue("lone-cr", 1, "File not found"),
        Catalogue("trailing-blank", 2, "File not found"),
        Catalogue("slash-in-name", 2, "Invalid filename"),
        Catalogue("dot-dot", 2, "File not found"),
        Catalogue("parent-path", 2, ""),
        Catalogue("absolute-path", 2, "Invalid filename"),
        Catalogue("very-long-name", 2, "I/O error 36"),
        Catalogue("longest-file-name", 2, "File not found"),
        Catalogue("many-kinds", 7, ""),
        Catalogue("garbage", 1, "Invalid filename"),
        Thousands(),
    };
}

ContentCase Harmless(ContentCase c) {
    c.gamesEnd.reset();
    return c;
}

std::vector<ContentCase> KindCases() {
    return {
        Kind("empty", NotAnInteger("")),
        Kind("short", NotAnInteger("")),
        Kind("long", ""),
        Kind("non-numeric", NotAnInteger("tall")),
        Kind("number-too-big", NotAnInteger("2147483648")),
        Kind("number-huge", NotAnInteger("99999999999999999999")),
        Kind("largest-numbers", ""),
        // Beetles of no size never reach the player; trolls still do.
        Harmless(Kind("negative-sizes", "")),
        Harmless(Kind("zero-sizes", "")),
        Kind("hex", ""),
        Kind("hex-without-digits", NotAnInteger("$")),
        Kind("blank-number-line", NotAnInteger("")),
        Kind("trailing-blank", NotAnInteger("64 ")),
        Kind("leading-blanks", ""),
        Kind("tab", NotAnInteger("\t64")),
        Kind("sign-only", NotAnInteger("-")),
        // The message is a C string: it ends at the NUL.
        Kind("nul-in-number", Zarnik("'6")),
        Kind("lone-cr-line-ends", NotAnInteger("")),
        Kind("lf-line-ends", ""),
        Kind("image-is-folder", ""),
        Kind("image-is-dot", ""),
        Kind("image-missing", ""),
        Kind("image-in-parent-path", ""),
        Kind("image-escapes-the-folder", ""),
        Kind("image-not-a-bitmap", ""),
        Kind("garbage", NotAnInteger("")),
    };
}

// One word of two megabytes: it walks and is drawn like any other.
ContentCase LongWord() {
    ContentCase c;
    c.name = "dictionary_two_megabyte_word";
    c.prepare = [](GameFolder& folder) {
        folder.Replace("long/about.txt", "Long\r\n");
        folder.Replace("long/names.txt", std::string(2 << 20, 'w'));
        folder.Replace("long/names2.txt", "one\r\n");
    };
    c.dictionary = "long";
    c.words = 1;
    return c;
}

std::vector<ContentCase> DictionaryCases() {
    return {
        Dictionary("binary-garbage", 5),
        Dictionary("utf8-text", 2),
        Dictionary("utf16-with-bom", 1),
        Dictionary("nul-bytes", 2),
        Dictionary("only-line-ends", 0),
        Dictionary("cr-only", 3),
        Dictionary("mixed-line-ends", 4),
        Dictionary("missing-names2-lines", 4),
        Dictionary("empty-names2", 2),
        Dictionary("empty-names", 0),
        Dictionary("blank-lines-only", 0),
        Dictionary("spaces-only", 2),
        LongWord(),
    };
}

class BrokenContent : public ::testing::TestWithParam<ContentCase> {
  protected:
    void SetUp() override { ASSERT_TRUE(Engine().Loaded()) << Engine().Error(); }
};

TEST_P(BrokenContent, ShowsItsMessageAndPlaysAsFarAsItCan) {
    const ContentCase& c = GetParam();
    GameFolder folder;
    c.prepare(folder);
    const ChildResult result =
        RunIsolated([&] { return PlaySession(folder.Path(), c.dictionary, 12).Serialise(); }, 120s);
    ASSERT_TRUE(result.ExitedCleanly()) << result.Describe();
    const SessionReport report = SessionReport::Parse(result.report);

    EXPECT_EQ(report.messages, c.messages);
    EXPECT_EQ(report.kinds, c.kinds);
    EXPECT_EQ(report.words, c.words);
    EXPECT_EQ(report.spawned > 0, c.plays) << report.spawned << " monsters came";
    if (c.gamesEnd) {
        EXPECT_EQ(report.gamesOver > 0, *c.gamesEnd) << report.gamesOver << " games ended";
    }
    EXPECT_EQ(report.backgroundShown, c.background);
}

void PrintTo(const ContentCase& c, std::ostream* out) { *out << c.name; }

std::string CaseName(const ::testing::TestParamInfo<ContentCase>& info) {
    return ParameterName(info.param.name);
}

INSTANTIATE_TEST_SUITE_P(Assets, BrokenContent, ::testing::ValuesIn(AssetCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Catalogues, BrokenContent, ::testing::ValuesIn(CatalogueCases()),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(MonsterKinds, BrokenContent, ::testing::ValuesIn(KindCases()), CaseName);
INSTANTIATE_TEST_SUITE_P(Dictionaries, BrokenContent, ::testing::ValuesIn(DictionaryCases()),
                         CaseName);

TEST(BrokenContentCases, UseEveryCatalogueAndDictionaryFileOfTheCorpus) {
    std::set<std::string> used;
    for (const auto& cases : {AssetCases(), CatalogueCases(), KindCases(), DictionaryCases()}) {
        for (const ContentCase& c : cases) used.insert(c.fixtures.begin(), c.fixtures.end());
    }
    for (const char* folder : {"mon", "monsters", "dictionaries"}) {
        for (const std::string& file : FixturesIn(folder)) EXPECT_TRUE(used.count(file)) << file;
    }
    for (const std::string& file : used) {
        EXPECT_TRUE(std::filesystem::is_regular_file(Fixture(file))) << file << " is missing";
    }
}

}  // namespace
}  // namespace lexo::hostile
