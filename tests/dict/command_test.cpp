#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "temp_dir.h"

namespace {

// Each command's output sent to a full disk: the command fails and says why.
TEST(Command, FailsWhenItsOutputCannotBeWritten) {
    const lexo::test::TempDir dir;
    std::ofstream(dir.File("history.jsonl")) << "";
    const std::string commands[] = {
        "stats --history " + dir.File("history.jsonl"),
        std::string("export ") + LEXO_GAME_SOURCE_DIR + "/english-basics",
        "--help",
    };
    for (const std::string& command : commands) {
        const int status = std::system(
            (std::string(LEXO_DICT_PROGRAM) + " " + command + " >/dev/full 2>" + dir.File("errors"))
                .c_str());
        std::stringstream errors;
        errors << std::ifstream(dir.File("errors")).rdbuf();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << command << ": " << status;
        EXPECT_NE(errors.str().find("cannot write the standard output"), std::string::npos)
            << command << ": " << errors.str();
    }
}

TEST(Command, SaysTheHistoryCannotBeRead) {
    const lexo::test::TempDir dir;
    const std::string command = std::string(LEXO_DICT_PROGRAM) + " stats --history " + dir.Path() +
                                " --html " + dir.File("page.html") + " 2>" + dir.File("errors");
    EXPECT_NE(std::system(command.c_str()), 0);
    std::stringstream errors;
    errors << std::ifstream(dir.File("errors")).rdbuf();
    EXPECT_NE(errors.str().find("cannot read the history: "), std::string::npos) << errors.str();
}

}  // namespace
