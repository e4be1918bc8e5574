// The painting helper runs every slice of a job exactly once, on either thread, and never
// leaves the caller waiting for a thread that is not there.

#include "paint_helper.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <vector>

namespace lexo {
namespace {

struct Tally {
    std::vector<std::atomic<int>> runs;
    explicit Tally(int slices) : runs(static_cast<size_t>(slices)) {}
};

void Count(void* data, int slice) {
    static_cast<Tally*>(data)->runs[static_cast<size_t>(slice)].fetch_add(1);
}

bool EachRanOnce(const Tally& tally, int times) {
    for (const auto& runs : tally.runs) {
        if (runs.load() != times) return false;
    }
    return true;
}

TEST(PaintHelper, RunsEverySliceOnceJobAfterJob) {
    PaintHelper helper;
    for (int count : {1, 3, 8, PaintHelper::kMaxSlices}) {
        Tally tally(count);
        for (int job = 0; job < 500; ++job) helper.Run(&Count, &tally, count);
        EXPECT_TRUE(EachRanOnce(tally, 500)) << count << " slices";
    }
}

// Slices the helper's thread takes keep the caller waiting, as when the machine is busy.
struct SlowHelper {
    pthread_t caller = pthread_self();
    std::atomic<int> byHelper{0};
};

void SlowOnTheHelper(void* data, int) {
    auto* slow = static_cast<SlowHelper*>(data);
    if (pthread_equal(pthread_self(), slow->caller)) {
        usleep(100);  // time for the helper to take a slice of its own
        return;
    }
    slow->byHelper.fetch_add(1);
    usleep(2000);
}

TEST(PaintHelper, AHelperThatKeptTheCallerWaitingIsLeftOutForAWhile) {
    PaintHelper helper;
    SlowHelper slow;
    // Until the helper has taken a slice once (it may still be starting).
    for (int job = 0; job < 200 && slow.byHelper.load() == 0; ++job) {
        helper.Run(&SlowOnTheHelper, &slow, 8);
    }
    ASSERT_GT(slow.byHelper.load(), 0) << "the helper never took a slice";
    const int before = slow.byHelper.load();
    for (int job = 0; job < 32; ++job) helper.Run(&SlowOnTheHelper, &slow, 8);
    EXPECT_EQ(slow.byHelper.load(), before) << "the late helper was given slices again at once";
}

TEST(PaintHelper, GoesOnAfterBeingStopped) {
    PaintHelper helper;
    Tally tally(8);
    helper.Run(&Count, &tally, 8);
    helper.Stop();
    helper.Stop();
    helper.Run(&Count, &tally, 8);
    EXPECT_TRUE(EachRanOnce(tally, 2));
}

TEST(PaintHelper, TooManySlicesRunOnTheCaller) {
    PaintHelper helper;
    Tally tally(PaintHelper::kMaxSlices + 1);
    helper.Run(&Count, &tally, PaintHelper::kMaxSlices + 1);
    EXPECT_TRUE(EachRanOnce(tally, 1));
}

TEST(PaintHelper, AForkedCopyPaintsAloneAndDoesNotHang) {
    PaintHelper helper;
    Tally tally(8);
    helper.Run(&Count, &tally, 8);  // the thread now exists in this process only
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(10);
        Tally mine(8);
        helper.Run(&Count, &mine, 8);
        _exit(EachRanOnce(mine, 1) ? 0 : 1);  // no destructors: the helper is the parent's
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the child was killed (a hang ends by alarm)";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace lexo
