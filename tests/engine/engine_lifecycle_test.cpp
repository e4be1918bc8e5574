// Start-up, the procedures, the frame loop, handles, and what happens before start and after
// QuitEngine.

#include <sys/stat.h>

#include "engine_fixture.h"

namespace lexo::test {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlack = 0x000000;

bool Exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

using EngineLifecycle = EngineTest;

TEST_F(EngineLifecycle, ReportsVersionOne) { EXPECT_EQ(e.DLL_ver(), 1); }

TEST_F(EngineLifecycle, LoadProcedureRunsOnceInsideStartWithTheFrameReady) {
    int loads = 0, draws = 0, others = 0;
    bool frameReady = false;
    const std::string inside = dir.File("inside.bmp");
    SetProcedure(2, [&] {
        ++loads;
        e.PrintScreen(inside.c_str());
        frameReady = Exists(inside);
    });
    SetProcedure(0, [&] { ++draws; });
    SetProcedure(1, [&] { ++others; });
    SetProcedure(3, [&] { ++others; });
    e.PleaseNoLogo();
    e.SetEngineInitParametrs(40, 30, 32, 0, 0, 0, 0, 1);
    EXPECT_EQ(loads, 0);
    e.StartEngine_DrawToPanel(0);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(frameReady);
    EXPECT_EQ(draws, 0);
    for (int i = 0; i < 3; ++i) e.EngineMainDraw();
    EXPECT_EQ(draws, 3);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(others, 0);
    std::optional<RgbImage> first = ReadBmp(inside);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->width, 40);
    EXPECT_EQ(first->height, 30);
}

TEST_F(EngineLifecycle, MainDrawShowsWhatTheDrawProcedureDrew) {
    Start(4, 4);
    uint32_t red = LoadPicture(RgbImage(2, 2, kRed), -1);
    SetProcedure(0, [&] {
        e.Begin2D();
        e.DrawTexture2D_Simple(red, 1, 1, 2, 2, 0, 0);
        e.End2D();
    });
    e.EngineMainDraw();
    EXPECT_EQ(Screenshot().Count(kRed), 4);
    // A procedure that never calls End2D still completes its picture.
    SetProcedure(0, [&] {
        e.Begin2D();
        e.DrawTexture2D_Simple(red, 0, 0, 4, 4, 0, 0);
    });
    e.EngineMainDraw();
    EXPECT_EQ(Screenshot().Count(kRed), 16);
}

TEST_F(EngineLifecycle, DrawsOutsideBeginAndEndChangeNothing) {
    Start(4, 4);
    uint32_t red = LoadPicture(RgbImage(4, 4, kRed), -1);
    e.DrawTexture2D_Simple(red, 0, 0, 4, 4, 0, 0);
    e.End2D();
    EXPECT_EQ(Screenshot().Count(kBlack), 16);
}

TEST_F(EngineLifecycle, UpdateRenderRectResizesTheFrame) {
    Start(40, 30);
    e.UpdateRenderRect(64, 16);
    RgbImage screen = Picture([] {});
    EXPECT_EQ(screen.width, 64);
    EXPECT_EQ(screen.height, 16);
    e.UpdateRenderRect(0, -5);  // not a size: ignored
    EXPECT_EQ(Picture([] {}).width, 64);
}

TEST_F(EngineLifecycle, NothingHappensBeforeStartOrAfterQuit) {
    const std::string shot = dir.File("shot.bmp");
    uint32_t red = LoadPicture(RgbImage(2, 2, kRed), -1);
    EXPECT_NE(red, 0u);
    auto everything = [&] {
        e.Begin2D();
        e.DrawTexture2D_Simple(red, 0, 0, 2, 2, 0, 0);
        e.DrawSprite2D_Simple(red, 0, 0, 2, 2, 1, 1, 1, true, 0);
        e.End2D();
        e.EngineMainDraw();
        e.UpdateRenderRect(10, 10);
        e.PrintScreen(shot.c_str());
    };
    everything();
    EXPECT_FALSE(Exists(shot));

    Start(2, 2);
    e.QuitEngine();
    everything();
    e.QuitEngine();
    EXPECT_FALSE(Exists(shot));

    // Textures loaded before a quit are gone with it; new loads keep counting.
    Start(2, 2);
    EXPECT_EQ(Picture([&] { e.DrawTexture2D_Simple(red, 0, 0, 2, 2, 0, 0); }).Count(kBlack), 4);
    EXPECT_GT(LoadPicture(RgbImage(2, 2, kRed), -1), red);
}

TEST_F(EngineLifecycle, HandlesCountFromOneAndUnknownOnesDoNothing) {
    Start(4, 4);
    uint32_t first = LoadPicture(RgbImage(4, 4, kRed), -1);
    uint32_t second = LoadPicture(RgbImage(4, 4, kRed), -1);
    EXPECT_EQ(second, first + 1);
    RgbImage screen = Picture([&] {
        for (uint32_t handle : {0u, second + 1, 0xFFFFFFFFu}) {
            e.DrawTexture2D_Simple(handle, 0, 0, 4, 4, 0, 0);
            e.DrawSprite2D_Simple(handle, 0, 0, 4, 4, 1, 1, 1, false, 0);
            e.DrawText2D(handle, 0, 0, "text", 0xFF, 255, 1.0);
        }
    });
    EXPECT_EQ(screen.Count(kBlack), 16);
    for (uint32_t handle : {0u, 77u, 0xFFFFFFFFu}) {
        e.SetSampleVolume(handle, 50);
        e.PlaySample(handle);
        e.FreeSample(handle);
    }
}

}  // namespace
}  // namespace lexo::test
