#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "temp_dir.h"

namespace {

// The command line as a player runs it: output to a full disk, a history that is a folder.
TEST(Command, FailsWithAMessageWhereAFileFails) {
    const lexo::test::TempDir dir;
    std::ofstream(dir.File("history.jsonl")) << "";
    const struct {
        std::string arguments;
        std::string problem;
    } cases[] = {
        {"stats --history " + dir.File("history.jsonl") + " >/dev/full",
         "cannot write the standard output"},
        {std::string("export ") + LEXO_GAME_SOURCE_DIR + "/english-basics >/dev/full",
         "cannot write the standard output"},
        {"--help >/dev/full", "cannot write the standard output"},
        {"stats --history " + dir.Path() + " --html " + dir.File("page.html"),
         "stats: cannot read the history: "},
    };
    for (const auto& c : cases) {
        const int status = std::system(
            (std::string(LEXO_DICT_PROGRAM) + " " + c.arguments + " 2>" + dir.File("errors"))
                .c_str());
        std::stringstream errors;
        errors << std::ifstream(dir.File("errors")).rdbuf();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << c.arguments << ": " << status;
        EXPECT_NE(errors.str().find(c.problem), std::string::npos)
            << c.arguments << ": " << errors.str();
    }
}

}  // namespace
