#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "art/png_writer.h"
#include "desktop.h"
#include "game_process.h"
#include "installation.h"
#include "text/cp1251.h"
#include "text/dictionary_text.h"
#include "text/text_lines.h"

namespace lexo::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kDialog = "Выберите словарь:";
const std::string kList = "Список непереведённых слов:";
// Its name sorts after every shipped dictionary's, so it is the dialog's last entry.
const std::string kPlayersOwn = "your-words";
const char* const kWords = "cat\r\ndog\r\nhouse\r\ntree\r\nbird\r\n";
const char* const kAnswers[] = {"кот", "собака", "дом", "дерево", "птица"};

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// What the dialog shows below a dictionary's title: the lines of about.txt after the first.
std::string Description(const fs::path& folder) {
    const std::string about = DictionaryFileText(ReadFile(folder / "about.txt"));
    std::string text;
    int line = 0;
    ForEachLine(about, LineEnds::AnyAndNulEnds, [&](std::string_view l) {
        if (line++ > 0) text += (line > 2 ? "\n" : "") + std::string(l);
    });
    return text;
}

// A player's screenshot for the metainfo, written into the build folder.
void SaveScreenshot(const test::RgbImage& screen) {
    RgbaImage image{screen.width, screen.height, {}};
    for (uint32_t pixel : screen.pixels) {
        image.rgba.insert(image.rgba.end(),
                          {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
                           static_cast<uint8_t>(pixel), 255});
    }
    WritePng(LEXO_BUILD_DIR "/screenshot.png", image);
}

// The first twenty entries of the dialog under the C locale for the test's installation: the
// lists for Russian speakers in order, the player's folders among them, and `extra` in its place
// (english-travel while installed, else the first list for others).
std::vector<fs::path> RussianSpeakersLists(const fs::path& share, const fs::path& folder,
                                           const fs::path& own, const fs::path& extra) {
    std::vector<fs::path> lists = {share / "arabic-basics",
                                   share / "chinese-hsk1",
                                   share / "deutsch-a1-ru",
                                   share / "deutsch-grundwortschatz",
                                   share / "english-a1-ru",
                                   folder / "english-basics",
                                   share / "espanol-a1-ru",
                                   share / "espanol-basico",
                                   share / "francais-a1-ru",
                                   share / "francais-essentiel",
                                   share / "hebrew-basics",
                                   share / "hindi-basics",
                                   share / "italiano-a1-ru",
                                   share / "japanese-first-words",
                                   share / "korean-basics",
                                   folder / "linked words",
                                   share / "polski-a1-ru",
                                   share / "ukrainska-a1-ru",
                                   own};
    if (extra.filename() == "english-travel") {
        lists.insert(lists.begin() + 6, extra);
    } else {
        lists.push_back(extra);
    }
    return lists;
}

// A player who installed the game: starts it from the launcher on a desktop of the test's own.
class Installed : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(desktop.Ready()) << desktop.Error();
        ASSERT_TRUE(installation.Installed()) << installation.Output();
    }

    // The descriptions the dictionary dialog shows, entry by entry from the top, read through
    // the clipboard; the last entry stays selected. A slow game may not have copied yet, so
    // each entry is read until it shows a new description; the list ends where none comes.
    std::vector<std::string> ListedDescriptions(Window dialog) {
        std::vector<std::string> shown;
        desktop.Activate(dialog);
        for (int entry = 0; entry < 20; ++entry) {
            desktop.Key("Down");
            desktop.Key("Tab");
            desktop.Key("Tab");
            std::string description;
            const auto deadline = std::chrono::steady_clock::now() + 5s;
            do {
                desktop.Key("ctrl+a");
                desktop.Key("ctrl+c");
                description = desktop.Clipboard();
            } while ((description.empty() || (!shown.empty() && description == shown.back())) &&
                     std::chrono::steady_clock::now() < deadline);
            desktop.Key("shift+Tab");
            desktop.Key("shift+Tab");
            if (description.empty() || (!shown.empty() && description == shown.back())) break;
            shown.push_back(description);
        }
        return shown;
    }

    std::vector<std::string> ExpectedDescriptions(const std::vector<fs::path>& folders) {
        std::vector<std::string> expected;
        for (const fs::path& folder : folders) expected.push_back(Description(folder));
        return expected;
    }

    // Starts the installed launcher and waits for the main window and the dialog.
    std::pair<Window, Window> Start(GameProcess& game) {
        EXPECT_TRUE(game.StartLauncher(desktop.DisplayName(), installation.Path("bin/lexodrome"),
                                       installation.Home()));
        auto main = desktop.WaitForWindow("Lexodrome");
        auto dialog = desktop.WaitForWindow(kDialog);
        EXPECT_TRUE(main && dialog) << game.Stderr();
        return {main.value_or(0), dialog.value_or(0)};
    }

    // Answers every translation in turn until a monster has been shot. On a busy machine a
    // monster may reach the wizard first, which ends the game and disables the edit line: its
    // windows are then dismissed and the next game is tried, until the deadline.
    bool ShootOneMonster(Window main) {
        const auto deadline = std::chrono::steady_clock::now() + 90s;
        while (std::chrono::steady_clock::now() < deadline) {
            // The keys go to the edit line only once the main window has the focus back.
            desktop.Activate(main);
            for (const char* answer : kAnswers) {
                desktop.Type(answer);
                desktop.Key("Return");
                if (desktop.Title(main).rfind("Lexodrome. Words complete: 1. ", 0) == 0)
                    return true;
            }
            StartAgainAfterGameOver();
        }
        return false;
    }

    // Closes the game-over list, if the game ended, and starts the next game from the dialog.
    void StartAgainAfterGameOver() {
        const auto list = desktop.WaitForWindow(kList, 1s);
        if (!list) return;
        desktop.Close(*list);
        if (const auto dialog = desktop.WaitForWindow(kDialog, 10s)) {
            desktop.Activate(*dialog);
            desktop.Key("Return");
            desktop.WaitUntilGone(kDialog);
        }
    }

    // Closes the main window and returns the game's exit code. A monster that reached the
    // wizard meanwhile brings up the game-over windows, which ask before the game can close.
    std::optional<int> CloseGame(GameProcess& game, Window main) {
        desktop.Close(main);
        if (auto code = game.WaitForExit(5s)) return code;
        if (auto list = desktop.WaitForWindow(kList, 10s)) desktop.Close(*list);
        if (auto dialog = desktop.WaitForWindow(kDialog, 10s)) {
            desktop.Activate(*dialog);
            desktop.Key("Return");
            desktop.WaitUntilGone(kDialog);
        }
        desktop.Close(main);
        return game.WaitForExit();
    }

    Desktop desktop;
    Installation installation;
};

void WriteDictionary(const fs::path& folder, const std::string& description) {
    fs::create_directories(folder);
    std::ofstream(folder / "about.txt", std::ios::binary)
        << Utf8ToCp1251("Мои слова\r\n" + description + "\r\n");
    std::ofstream(folder / "names.txt", std::ios::binary) << kWords;
    std::string translations;
    for (const char* answer : kAnswers) translations += answer + std::string("\r\n");
    std::ofstream(folder / "names2.txt", std::ios::binary) << Utf8ToCp1251(translations);
}

TEST_F(Installed, TheLauncherKeepsThePlayersFolderInStepWithTheInstallation) {
    const fs::path share = installation.Path("share/lexodrome");
    const fs::path folder = installation.GameFolder();
    const fs::path own = folder / kPlayersOwn;
    WriteDictionary(own, "Свой словарь.");
    // The player's own folder with a shipped dictionary's name, and a link of the player's,
    // are kept and used; a link the launcher made to a piece no longer installed goes, a
    // player's link that leads nowhere stays.
    WriteDictionary(folder / "english-basics", "Своя основа.");
    WriteDictionary(installation.Home() + "/elsewhere", "Словарь по ссылке.");
    fs::create_directory_symlink(installation.Home() + "/elsewhere", folder / "linked words");
    fs::create_directory_symlink(share / "retired", folder / "retired");
    fs::create_directory_symlink("/media/usb/share/lexodrome/mine", folder / "mine");
    {
        GameProcess game;
        auto [main, dialog] = Start(game);
        ASSERT_TRUE(main && dialog);
        // The game runs under its own name, not the launcher's.
        EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(game.Pid()) + "/exe").filename(),
                  "zarnik");
        // Under the C locale the lists for Russian speakers come first, the player's own among
        // them (it names no languages), last of them here; twenty entries are read.
        EXPECT_EQ(ListedDescriptions(dialog), ExpectedDescriptions(RussianSpeakersLists(
                                                  share, folder, own, share / "english-travel")));
        desktop.Key("Return");  // the player's own dictionary, the last entry read
        ASSERT_TRUE(desktop.WaitUntilGone(kDialog)) << game.Stderr();
        EXPECT_TRUE(ShootOneMonster(main)) << desktop.Title(main) << game.Stderr();
        // Only for the picture: more monsters walk in with their words.
        std::this_thread::sleep_for(3s);
        SaveScreenshot(desktop.Grab(main));
        EXPECT_EQ(CloseGame(game, main), 0) << game.Stderr();
    }
    for (const char* piece : {"zarnik", "DGLEngine.so"}) {
        EXPECT_EQ(fs::read_symlink(folder / piece),
                  installation.Path(std::string("lib/lexodrome/") + piece));
    }
    for (const char* piece :
         {"monsters.txt", "data", "deutsch-grundwortschatz", "english-travel"}) {
        EXPECT_EQ(fs::read_symlink(folder / piece), share / piece);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "retired")));
    EXPECT_TRUE(fs::is_symlink(folder / "mine"));
    EXPECT_EQ(fs::symlink_status(folder / "english-basics").type(), fs::file_type::directory);

    // A dictionary taken out of the installation leaves the player's folder at the next start.
    fs::remove_all(share / "english-travel");
    {
        GameProcess game;
        auto [main, dialog] = Start(game);
        ASSERT_TRUE(main && dialog);
        EXPECT_EQ(ListedDescriptions(dialog), ExpectedDescriptions(RussianSpeakersLists(
                                                  share, folder, own, share / "deutsch-a1-en")));
        desktop.Key("Return");
        ASSERT_TRUE(desktop.WaitUntilGone(kDialog)) << game.Stderr();
        EXPECT_EQ(CloseGame(game, main), 0) << game.Stderr();
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "english-travel")));
    EXPECT_EQ(ReadFile(own / "names.txt"), kWords);
    EXPECT_TRUE(fs::is_symlink(folder / "linked words"));
}

struct CommandRun {
    int exitCode = -1;
    std::string output;
};

// Runs a shell command, keeping what it printed.
CommandRun RunShell(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t got = 0;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Runs the installed launcher with the installation's home; as another user when asked, since
// no permission stops root.
CommandRun RunLauncher(const Installation& installation, bool asAnotherUser) {
    std::string command = "env -u XDG_DATA_HOME HOME='" + installation.Home() + "' ";
    if (asAnotherUser) command += "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    return RunShell(command + "'" + installation.Path("bin/lexodrome") + "' 2>&1");
}

TEST(InstalledLauncher, SaysWhichGameFolderItCannotMakeAndStops) {
    struct Case {
        const char* what;
        std::function<void(const Installation&)> prepare;
        bool asAnotherUser;
    };
    const Case cases[] = {
        {"a file in its place",
         [](const Installation& i) {
             fs::create_directories(i.Home() + "/.local/share");
             std::ofstream(i.GameFolder()) << "not a folder";
         },
         false},
        {"a file in place of a folder above it",
         [](const Installation& i) { std::ofstream(i.Home() + "/.local") << "not a folder"; },
         false},
        {"no permission to write in the home folder",
         [](const Installation& i) { fs::permissions(i.Home(), fs::perms(0555)); }, geteuid() == 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Installation installation;
        ASSERT_TRUE(installation.Installed()) << installation.Output();
        c.prepare(installation);
        const CommandRun run = RunLauncher(installation, c.asAnotherUser);
        EXPECT_EQ(run.exitCode, 1) << run.output;
        EXPECT_EQ(
            run.output.rfind(
                "lexodrome: cannot make the game folder " + installation.GameFolder() + ": ", 0),
            0u)
            << run.output;
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << "one line: " << run.output;
    }
}

TEST(InstalledLauncher, TwoStartsAtOnceBothWork) {
    Installation installation;
    ASSERT_TRUE(installation.Installed()) << installation.Output();
    // A program that only says it ran stands in for the game, so that nothing opens a window.
    const std::string game = installation.Path("lib/lexodrome/zarnik");
    fs::remove(game);
    std::ofstream(game) << "#!/bin/sh\nexit 0\n";
    fs::permissions(game, fs::perms(0755));
    const std::string launcher = "'" + installation.Path("bin/lexodrome") + "'";
    for (int round = 0; round < 10; ++round) {
        // A fresh folder, then one whose links lead to a former installation to be refreshed.
        const std::string prepare = round % 2 == 0 ? "rm -rf '" + installation.GameFolder() + "'"
                                                   : "ln -sfn /old/lib/lexodrome/zarnik '" +
                                                         installation.GameFolder() + "/zarnik'";
        const CommandRun run = RunShell(
            prepare + "; export HOME='" + installation.Home() + "'; unset XDG_DATA_HOME; " +
            launcher + " & first=$!; " + launcher +
            " & second=$!; wait $first || echo first failed; wait $second || echo second failed");
        EXPECT_EQ(run.output, "") << "round " << round;
        EXPECT_TRUE(fs::is_symlink(installation.GameFolder() + "/zarnik"));
    }
}

// The desktop entry's Progress action: the page written afresh beside the history, before the
// first game and after it, and handed to the desktop's browser.
TEST(InstalledLauncher, ProgressWritesThePageBesideTheHistoryAndOpensIt) {
    Installation installation;
    ASSERT_TRUE(installation.Installed()) << installation.Output();
    const std::string state = installation.Home() + "/.local/state/lexodrome";
    // An xdg-open of the test's own says what it was asked to open.
    const std::string bin = installation.Home() + "/bin";
    fs::create_directories(bin);
    std::ofstream(bin + "/xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$@\" >\"$HOME/opened\"\n";
    fs::permissions(bin + "/xdg-open", fs::perms(0755));
    for (const bool played : {false, true}) {
        SCOPED_TRACE(played ? "after a game" : "before the first game");
        if (played) {
            std::ofstream(state + "/history.jsonl", std::ios::binary)
                << R"({"time":"2026-12-01T10:00:00+01:00","dictionary":"animals",)"
                << R"("mode":"words","pace":40,"words_complete":1,"score":3,"shot":["cat"],)"
                << R"("missed":[{"word":"dog","translation":"собака"}]})" << '\n';
        }
        const CommandRun run = RunShell(
            "env -u XDG_STATE_HOME -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 HOME='" +
            installation.Home() + "' PATH='" + bin + "':\"$PATH\" '" +
            installation.Path("bin/lexodrome") + "' --progress 2>&1");
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(ReadFile(installation.Home() + "/opened"), state + "/progress.html\n");
        const std::string page = ReadFile(state + "/progress.html");
        EXPECT_NE(page.find(played ? "<td>dog</td><td>собака</td>" : "<p>No game kept yet.</p>"),
                  std::string::npos)
            << page;
    }
}

TEST(InstalledTool, ChecksWithTheInstalledWordFontFromAnyFolder) {
    Installation installation;
    ASSERT_TRUE(installation.Installed()) << installation.Output();
    const CommandRun run =
        RunShell("cd / && '" + installation.Path("bin/lexodrome-dict") + "' check '" +
                 installation.Path("share/lexodrome/english-basics") + "' 2>&1");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("not measured"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(" 0 errors, 0 warnings"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace lexo::e2e
