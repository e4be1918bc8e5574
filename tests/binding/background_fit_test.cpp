#include "binding/background_fit.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "temp_dir.h"

namespace lexo {
namespace {

// The started program runs at niceness 19 and is no child of the test's: nothing to reap.
TEST(StartDetached, RunsAtTheLowestPriorityAndLeavesNoChild) {
    const test::TempDir dir;
    const std::string done = dir.File("niceness");
    ASSERT_TRUE(StartDetached(
        "/bin/sh", {"-c", "nice > '" + done + ".new' && mv '" + done + ".new' '" + done + "'"}));
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!std::filesystem::exists(done) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::string niceness;
    std::ifstream(done) >> niceness;
    EXPECT_EQ(niceness, "19");
}

}  // namespace
}  // namespace lexo
