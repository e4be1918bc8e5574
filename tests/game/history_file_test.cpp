#include "history/history_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "game_fixture.h"
#include "history/history_follower.h"
#include "temp_dir.h"

namespace lexo::testing {
namespace {

// The history's file: where it goes, that each game is one whole line, and that a folder that
// cannot be made costs one line on standard error and nothing else.
TEST(HistoryFile, AppendsWholeLinesInTheStateFolderAndNeverStopsTheGame) {
    test::TempDir dir;
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("HOME", dir.Path().c_str(), 1);
    unsetenv("XDG_STATE_HOME");
    unsetenv("LEXODROME_HISTORY");
    const std::string path = dir.Path() + "/.local/state/lexodrome/history.jsonl";
    EXPECT_EQ(HistoryFilePath(), path);
    setenv("XDG_STATE_HOME", "relative/state", 1);
    EXPECT_EQ(HistoryFilePath(), path) << "a relative XDG_STATE_HOME is ignored";

    GameRecord game{"ёлки", kModeTranslations, 40, 1, 4, {"cat"}, {{"dog", "пёс"}}, {}};
    FileHistory history;
    history.Record(game);
    history.Record(game);
    std::ifstream file(path);
    int lines = 0;
    for (std::string line; std::getline(file, line); ++lines) {
        EXPECT_TRUE(line.starts_with(R"({"time":")")) << line;
        EXPECT_TRUE(line.ends_with(R"("missed":[{"word":"dog","translation":"пёс"}],)"
                                   R"("seconds":0.0,"words":[],"misfires":[]})"))
            << line;
        EXPECT_NE(line.find(R"("dictionary":"ёлки")"), std::string::npos) << line;
    }
    EXPECT_EQ(lines, 2);

    // A file where the folder should be.
    setenv("XDG_STATE_HOME", dir.File("blocked").c_str(), 1);
    std::filesystem::create_directories(dir.File("blocked"));
    std::ofstream(dir.File("blocked") + "/lexodrome") << "not a folder";
    ::testing::internal::CaptureStderr();
    history.Record(game);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find(dir.File("blocked") + "/lexodrome/history.jsonl"), std::string::npos);

    setenv("LEXODROME_HISTORY", "off", 1);
    EXPECT_EQ(HistoryFilePath(), std::nullopt);
    unsetenv("LEXODROME_HISTORY");
    unsetenv("XDG_STATE_HOME");
    setenv("HOME", home.c_str(), 1);
}

// A FIFO where the history belongs holds neither the review offer's reading at the start nor
// the game's record at its end: the child is given a deadline to be done by.
TEST(HistoryFile, AFifoInItsPlaceStopsNothing) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.File("lexodrome"));
    const std::string path = dir.File("lexodrome/history.jsonl");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    const pid_t child = fork();
    if (child == 0) {
        alarm(30);
        setenv("LEXODROME_HISTORY", "on", 1);
        setenv("XDG_STATE_HOME", dir.Path().c_str(), 1);
        const bool nothingRead = HistoryFollower(path).ReadNew().games.empty();
        FileHistory().Record({"d", kModeTranslations, 1, 1, 1, {}, {}, {}});
        _exit(nothingRead ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

}  // namespace
}  // namespace lexo::testing
