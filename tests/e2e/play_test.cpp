#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>

#include "bmp_image.h"
#include "desktop.h"
#include "game_process.h"

namespace lexo::e2e {
namespace {

const std::string kDialog = "Выберите словарь:";
const std::string kList = "Список непереведённых слов:";
// The engine's colour around a scene shown smaller than its panel.
constexpr uint32_t kMargin = 0x181A20;

class Play : public ::testing::Test {
  protected:
    Play() = default;
    Play(int screenWidth, int screenHeight) : desktop(screenWidth, screenHeight) {}
    void SetUp() override { ASSERT_TRUE(desktop.Ready()) << desktop.Error(); }

    Window Start() {
        EXPECT_TRUE(game.Start(desktop.DisplayName()));
        auto main = desktop.WaitForWindow("Lexodrome");
        EXPECT_TRUE(main) << game.Stderr();
        return main.value_or(0);
    }

    // The player picks the dialog's first dictionary with the keyboard and confirms it.
    void ChooseTheFirstDictionary(Window dialog) {
        desktop.Activate(dialog);
        desktop.Key("Down");
        desktop.Key("Return");
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

    // The engine's picture once `ready` holds for it, asked for again until the deadline.
    std::optional<test::RgbImage> EnginePicture(
        Window main, const std::function<bool(const test::RgbImage&)>& ready) {
        std::optional<test::RgbImage> picture;
        PollUntil(15s, [&] {
            auto path = game.PrintScreen([&] { desktop.NudgePointer(main); });
            picture = path ? test::ReadBmp(*path) : std::nullopt;
            return picture && ready(*picture);
        });
        return picture && ready(*picture) ? picture : std::nullopt;
    }

    // Maximised, the panel shows the whole field scaled to the largest size that fits, centred
    // between dark margins, and the screen shows just that; restored, the field is as it was.
    void ExpectAMaximisedPanelShowsTheWholeField(Window main) {
        auto isField = [](const test::RgbImage& p) { return p.width == 802 && p.height == 511; };
        const auto field = EnginePicture(main, isField);
        ASSERT_TRUE(field) << game.Stderr();
        desktop.Maximise(main, true);
        const auto shown =
            EnginePicture(main, [](const test::RgbImage& p) { return p.width > 1600; });
        ASSERT_TRUE(shown) << game.Stderr();
        int width = shown->width, height = shown->width * 511 / 802;
        if (height > shown->height) {
            height = shown->height;
            width = shown->height * 802 / 511;
        }
        const int left = (shown->width - width) / 2, top = (shown->height - height) / 2;
        const int right = left + width - 1, bottom = top + height - 1;
        EXPECT_GT(width, 1600);
        EXPECT_EQ(shown->At(left, top), field->At(0, 0));
        EXPECT_EQ(shown->At(right, top), field->At(801, 0));
        EXPECT_EQ(shown->At(left, bottom), field->At(0, 510));
        EXPECT_EQ(shown->At(right, bottom), field->At(801, 510));
        std::vector<std::pair<int, int>> points{{left, top}, {right, bottom}, {left, bottom}};
        if (left > 0) points.insert(points.end(), {{left - 1, top}, {right + 1, bottom}});
        if (top > 0) points.insert(points.end(), {{left, top - 1}, {right, bottom + 1}});
        const test::RgbImage screen = desktop.Grab(main);
        for (auto [x, y] : points) {
            if (x < left || x > right || y < top || y > bottom) {
                EXPECT_EQ(shown->At(x, y), kMargin) << "at " << x << "," << y;
            }
            // The answer line covers the panel's last row.
            const int seen = std::min(y, shown->height - 2);
            EXPECT_EQ(screen.At(x, seen), shown->At(x, seen)) << "at " << x << "," << seen;
        }
        desktop.Maximise(main, false);
        EXPECT_TRUE(EnginePicture(main, isField)) << "the field at its own size again";
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
    ExpectAMaximisedPanelShowsTheWholeField(main);

    ChooseTheFirstDictionary(*dialog);
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

// An English desktop gets the game in English: the dialog, and the list at the end of a game.
TEST_F(Play, AnEnglishDesktopPlaysInEnglish) {
    game.RemoveShippedDictionaries();
    game.AddDictionary("cats", "Cats\nOne word.", "cat", "кошка");
    game.SetEnvironment("LANG", "en_US.UTF-8");
    const Window main = Start();
    auto dialog = desktop.WaitForWindow("Choose a dictionary:");
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone("Choose a dictionary:")) << game.Stderr();
    // Nobody answers the cat: it reaches the player.
    EXPECT_TRUE(desktop.WaitForWindow("Words left untranslated:", 90s)) << game.Stderr();
    EXPECT_EQ(desktop.Title(main), "Lexodrome");
}

// Under C the game is the classic Russian one, whatever list of languages LANGUAGE holds.
TEST_F(Play, TheCLocaleKeepsTheGameInRussian) {
    game.SetEnvironment("LANG", "C.UTF-8");
    game.SetEnvironment("LANGUAGE", "en:de");
    Start();
    EXPECT_TRUE(desktop.WaitForWindow(kDialog)) << game.Stderr();
}

// A high-density screen: Qt scales the widgets by two, and the panel is twice the designed size
// in the X window's own pixels.
class DenseScreen : public Play {
  protected:
    DenseScreen() : Play(2560, 1440) {}
};

TEST_F(DenseScreen, AtScaleFactorTwoThePanelIsAllFieldOnceTheDialogHasClosed) {
    game.SetEnvironment("QT_SCALE_FACTOR", "2");
    const Window main = Start();
    auto dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog);
    ChooseTheFirstDictionary(*dialog);
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog)) << game.Stderr();

    // The panel is twice the designed size; the answer line covers its last two rows. In each
    // quarter the screen shows the engine's picture of the panel, the scene filling it without
    // margins, wherever no monster walked while the screen was read.
    constexpr int kWidth = 1604, kHeight = 1022, kSeen = 1020;
    auto isPanel = [](const test::RgbImage& p) { return p.width == kWidth && p.height == kHeight; };
    std::array<int, 4> agree{}, differ{};
    const bool allField = PollUntil(20s, [&] {
        const auto before = EnginePicture(main, isPanel);
        const test::RgbImage screen = desktop.Grab(main);
        const auto after = EnginePicture(main, isPanel);
        if (!before || !after || screen.width < kWidth || screen.height < kSeen) return false;
        agree.fill(0);
        differ.fill(0);
        for (int y = 0; y < kSeen; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const uint32_t shown = before->At(x, y);
                if (shown != after->At(x, y)) continue;
                const size_t quarter = (y < kSeen / 2 ? 0 : 2) + (x < kWidth / 2 ? 0 : 1);
                ++(screen.At(x, y) == shown && shown != kMargin ? agree : differ)[quarter];
            }
        }
        return std::ranges::all_of(differ, [](int n) { return n == 0; }) &&
               std::ranges::all_of(agree, [&](int n) { return n > kWidth * kSeen / 4 * 9 / 10; });
    });
    EXPECT_TRUE(allField) << "per quarter, agreeing " << agree[0] << " " << agree[1] << " "
                          << agree[2] << " " << agree[3] << ", differing " << differ[0] << " "
                          << differ[1] << " " << differ[2] << " " << differ[3]
                          << " (none at all: no picture of the panel's size)\n"
                          << game.Stderr();
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

    ChooseTheFirstDictionary(*dialog);
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
    ChooseTheFirstDictionary(*dialog);
    auto box = desktop.WaitForWindow("zarnik");
    ASSERT_TRUE(box) << game.Stderr();
    EXPECT_NE(game.Stderr().find("zarnik: '4 8' is not a valid integer value.\n"),
              std::string::npos)
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
