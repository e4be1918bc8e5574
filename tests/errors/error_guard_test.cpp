#include "errors/error_guard.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "errors/message_box.h"
#include "errors/run_time_error.h"

namespace lexo {
namespace {

class ErrorGuardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ =
            SetMessageBoxPresenter([this](const std::string& caption, const std::string& text) {
                boxes_.push_back(caption + "|" + text);
            });
    }
    void TearDown() override { SetMessageBoxPresenter(previous_); }

    std::vector<std::string> boxes_;
    MessageBoxPresenter previous_;
};

TEST_F(ErrorGuardTest, RunTimeErrorIsShownInTheZarnikBoxWithAFullStop) {
    bool after = false;
    EXPECT_FALSE(RunGuarded([&] {
        throw RunTimeError("File not found");
        after = true;
    }));
    EXPECT_FALSE(after);
    EXPECT_EQ(boxes_, std::vector<std::string>{"zarnik|File not found."});

    // An error about a file keeps the box's text; the standard-error line names the file.
    ::testing::internal::CaptureStderr();
    RunGuarded([] { throw RunTimeError("File not found", "data/troll.mon"); });
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "zarnik: File not found. (file data/troll.mon)\n");
    EXPECT_EQ(boxes_.back(), "zarnik|File not found.");
}

TEST_F(ErrorGuardTest, NothingEscapesTheGuard) {
    EXPECT_FALSE(RunGuarded([] { throw std::out_of_range("vector"); }));
    EXPECT_FALSE(RunGuarded([] { throw 42; }));
    EXPECT_FALSE(RunGuarded([] { throw std::bad_alloc(); }));
    EXPECT_EQ(boxes_, (std::vector<std::string>{"zarnik|vector.", "zarnik|Unknown error.",
                                                "zarnik|Out of memory."}));
}

TEST_F(ErrorGuardTest, AHandlerThatSucceedsShowsNothing) {
    int runs = 0;
    EXPECT_TRUE(RunGuarded([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(boxes_.empty());
}

}  // namespace
}  // namespace lexo
