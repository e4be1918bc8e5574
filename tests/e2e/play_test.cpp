#include <gtest/gtest.h>

#include <fstream>

#include "bmp_image.h"
#include "desktop.h"
#include "game_process.h"

namespace lexo::e2e {
namespace {

const std::string kDialog = "Выберите словарь:";
const std::string kList = "Список непереведённых слов:";

class Play : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(desktop.Ready()) << desktop.Error(); }

    Window Start() {
        EXPECT_TRUE(game.Start(desktop.DisplayName()));
        auto main = desktop.WaitForWindow("Lexodrome");
        EXPECT_TRUE(main) << game.Stderr();
        return main.value_or(0);
    }

    // The panel as the X server shows it and the engine's own last frame agree at points that
    // no dialog covers.
    void ExpectPanelShowsTheEngineFrame(Window main) {
        auto path = game.PrintScreen([&] { desktop.NudgePointer(main); });
        ASSERT_TRUE(path) << "no picture from the engine\n" << game.Stderr();
        auto frame = test::ReadBmp(*path);
        ASSERT_TRUE(frame);
        ASSERT_EQ(frame->width, 802);
        ASSERT_EQ(frame->height, 511);
        const test::RgbImage screen = desktop.Grab(main);
        int compared = 0;
        for (int y : {5, 60, 130, 440, 505}) {
            for (int x : {5, 100, 180, 620, 700, 795}) {
                EXPECT_EQ(screen.At(x, y), frame->At(x, y)) << "at " << x << "," << y;
                ++compared;
            }
        }
        // The picture has real content: the meadow is not one flat colour.
        EXPECT_LT(frame->Count(frame->At(5, 5)), frame->width * frame->height / 2);
        EXPECT_EQ(compared, 30);
    }

    Desktop desktop;
    GameProcess game;
};

TEST_F(Play, TheWindowOpensDrawsTheFieldAndClosesWithExitCodeZero) {
    const Window main = Start();
    ASSERT_NE(main, 0u);
    EXPECT_EQ(desktop.Title(main), "Lexodrome");
    auto dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog);
    // The field is drawn while the dialog is still open.
    ExpectPanelShowsTheEngineFrame(main);

    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog)) << game.Stderr();

    // A larger window grows the panel, and the engine draws a frame of the new size.
    desktop.Resize(main, 1000, 700);
    auto path = game.PrintScreen([&] { desktop.NudgePointer(main); });
    ASSERT_TRUE(path);
    auto frame = test::ReadBmp(*path);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->width, 1000);
    EXPECT_EQ(frame->height, 679);

    desktop.Close(main);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Stderr();
}

TEST_F(Play, TheMainWindowCannotBeClosedWhileTheDialogAsks) {
    const Window main = Start();
    auto dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog);
    desktop.Close(main);
    desktop.Close(*dialog);
    // The game is given a second to end, which it must not take.
    EXPECT_FALSE(game.WaitForExit(1s)) << game.Stderr();
    EXPECT_TRUE(desktop.WaitForWindow(kDialog, 1s));

    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog));
    desktop.Close(main);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Stderr();
}

TEST_F(Play, WithoutTheEngineLibraryTheLoaderSaysSoAndTheGameEnds) {
    game.RemoveFile("DGLEngine.so");
    ASSERT_TRUE(game.Start(desktop.DisplayName()));
    auto box = desktop.WaitForWindow("DGLEngine header");
    ASSERT_TRUE(box) << game.Stderr();
    EXPECT_NE(game.Stderr().find("DGLEngine header: DGLEngine DLL (\"DGLEngine.so\") not found!\n"),
              std::string::npos)
        << game.Stderr();
    desktop.Activate(*box);
    desktop.Key("Return");
    EXPECT_EQ(game.WaitForExit(), 1) << game.Stderr();
}

TEST_F(Play, ABrokenMonsterKindIsReportedAndTheFieldStaysOpen) {
    std::ofstream(game.Folder() + "/data/beetle.mon", std::ios::binary)
        << "beetle_walk.bmp\r\n64\r\n4 8\r\n";
    const Window main = Start();
    auto dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog);
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    auto box = desktop.WaitForWindow("zarnik");
    ASSERT_TRUE(box) << game.Stderr();
    EXPECT_NE(game.Stderr().find("zarnik: '4 8' is not a valid integer value.\n"), std::string::npos)
        << game.Stderr();
    desktop.Activate(*box);
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone("zarnik"));
    EXPECT_TRUE(game.Running());
    ExpectPanelShowsTheEngineFrame(main);
    desktop.Close(main);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Stderr();
}

}  // namespace
}  // namespace lexo::e2e
