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

TEST_F(EngineLifecycle, UpdateRenderRectShowsTheWholeSceneScaledToFitThePanel) {
    constexpr uint32_t kMargin = 0x181A20;
    // A 40 x 30 scene of four coloured quarters.
    RgbImage scene(40, 30, 0xFF0000);
    scene.Fill(20, 0, 20, 15, 0x00FF00);
    scene.Fill(0, 15, 20, 15, 0x0000FF);
    scene.Fill(20, 15, 20, 15, 0xFFFFFF);
    struct Case {
        int panelWidth, panelHeight;
        int left, top, width, height;  // where the scene lies in the panel
        bool crisp;                    // only the scene's own colours and the margin
    };
    const Case cases[] = {
        {40, 30, 0, 0, 40, 30, true},       // the start size: shown as it is
        {100, 60, 10, 0, 80, 60, true},     // twice as large, margins left and right
        {100, 100, 0, 12, 100, 75, false},  // 2.5 times, margins above and below
        {20, 30, 0, 7, 20, 15, false},      // half as large
    };
    Start(40, 30);
    const uint32_t texture = LoadPicture(scene, -1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.panelWidth << " x " << c.panelHeight);
        e.UpdateRenderRect(c.panelWidth, c.panelHeight);
        const RgbImage own = Picture([&] { e.DrawTexture2D_Simple(texture, 0, 0, 40, 30, 0, 0); });
        // PrintScreen writes the scene at its own size whatever the panel.
        EXPECT_EQ(own.width, 40);
        EXPECT_EQ(own.height, 30);
        const RgbImage shown = Shown();
        ASSERT_EQ(shown.width, c.panelWidth);
        ASSERT_EQ(shown.height, c.panelHeight);
        // Each corner of the scene where it should be, the margin just outside it.
        const int right = c.left + c.width - 1, bottom = c.top + c.height - 1;
        EXPECT_EQ(shown.At(c.left, c.top), 0xFF0000u);
        EXPECT_EQ(shown.At(right, c.top), 0x00FF00u);
        EXPECT_EQ(shown.At(c.left, bottom), 0x0000FFu);
        EXPECT_EQ(shown.At(right, bottom), 0xFFFFFFu);
        if (c.left > 0) {
            EXPECT_EQ(shown.At(c.left - 1, c.top), kMargin);
            EXPECT_EQ(shown.At(right + 1, bottom), kMargin);
        }
        if (c.top > 0) {
            EXPECT_EQ(shown.At(c.left, c.top - 1), kMargin);
            EXPECT_EQ(shown.At(right, bottom + 1), kMargin);
        }
        const int ownColours = shown.Count(0xFF0000) + shown.Count(0x00FF00) +
                               shown.Count(0x0000FF) + shown.Count(0xFFFFFF) + shown.Count(kMargin);
        EXPECT_EQ(ownColours == c.panelWidth * c.panelHeight, c.crisp);
    }
    e.UpdateRenderRect(0, -5);  // not a size: ignored
    EXPECT_EQ(Shown().width, 20);
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
