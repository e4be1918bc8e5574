// Presenting into a real X11 window on an Xvfb server of the test's own: the window shows
// exactly the picture of the panel, which is the frame PrintScreen writes when their sizes agree.

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include "engine_fixture.h"
#include "x11_windows.h"
#include "xvfb_server.h"

// After GoogleTest: Xlib's macros (None, Bool) would break its headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace lexo::test {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 150;

class Presentation : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_TRUE(server_.Running()) << server_.Error();
        // The engine opens the display of $DISPLAY.
        setenv("DISPLAY", server_.Name().c_str(), 1);
        display_ = XOpenDisplay(server_.Name().c_str());
        ASSERT_NE(display_, nullptr);
        window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, kWidth, kHeight,
                                      0, 0, WhitePixel(display_, DefaultScreen(display_)));
        XMapWindow(display_, window_);
        XWindowAttributes attributes{};
        for (int i = 0; i < 500 && attributes.map_state != IsViewable; ++i) {
            XSync(display_, False);
            XGetWindowAttributes(display_, window_, &attributes);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        ASSERT_EQ(attributes.map_state, IsViewable);
        LoadScene();
    }

    void TearDown() override {
        EngineTest::TearDown();
        if (display_ != nullptr) XCloseDisplay(display_);
    }

    // A picture with something in every pixel: a gradient, a keyed sprite, a word.
    void LoadScene() {
        RgbImage gradient(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                gradient.Set(x, y, uint32_t(x) << 16 | uint32_t(y) << 8 | 0x40);
        }
        RgbImage sprite(8, 8, 0x0000FF);
        sprite.Fill(2, 1, 4, 6, 0xFFEE00);
        background_ = LoadPicture(gradient, -1);
        sprite_ = LoadPicture(sprite, ColourRef(0x0000FF));
        std::string fontPath = std::string(LEXO_GAME_SOURCE_DIR) + "/data/font.dft";
        font_ = e.LoadFontFromFile(fontPath.c_str());
        ASSERT_NE(font_, 0u);
        SetProcedure(0, [this] {
            e.Begin2D();
            e.DrawTexture2D_Simple(background_, 0, 0, kWidth, kHeight, 0, 0);
            e.DrawSprite2D_Simple(sprite_, spriteX_, 40, 16, 16, 1, 1, 1, true, 0);
            e.DrawText2D(font_, 20, 90, "word", 0xFF0000, 255, 1.0);
            e.End2D();
        });
    }

    // The window's pixels read back from the server, at most width x height of them.
    RgbImage WindowContents(int width, int height) {
        std::optional<RgbImage> contents = ReadPixels(display_, window_, 0, 0, width, height);
        if (!contents) ADD_FAILURE() << "XGetImage failed";
        return contents.value_or(RgbImage(width, height));
    }

    // Compares the window's top-left with the panel's picture (by default the frame, shown as
    // it is); the number of differing pixels.
    int DifferencesFromFrame(std::optional<RgbImage> picture = std::nullopt) {
        RgbImage frame = picture ? *picture : Screenshot();
        RgbImage shown = WindowContents(frame.width, frame.height);
        int differences = 0;
        for (size_t i = 0; i < frame.pixels.size(); ++i)
            differences += frame.pixels[i] != shown.pixels[i];
        return differences;
    }

    XvfbServer server_;
    Display* display_ = nullptr;
    Window window_ = 0;
    uint32_t background_ = 0, sprite_ = 0, font_ = 0;
    int spriteX_ = 30;
};

TEST_F(Presentation, TheWindowShowsExactlyTheFrame) {
    e.SetEngineInitParametrs(kWidth, kHeight, 32, 0, 0, 0, 0, 1);
    e.StartEngine_DrawToPanel(window_);
    e.EngineMainDraw();
    EXPECT_EQ(DifferencesFromFrame(), 0);
    // A smaller panel shows the whole scene scaled down, at the window's top-left.
    e.UpdateRenderRect(120, 100);
    for (spriteX_ = 90; spriteX_ < 96; spriteX_ += 3) {
        e.EngineMainDraw();
        EXPECT_EQ(DifferencesFromFrame(Shown()), 0) << spriteX_;
    }
}

TEST_F(Presentation, OnlyWhatChangedIsSentUnlessTheWindowWasExposed) {
    e.SetEngineInitParametrs(kWidth, kHeight, 32, 0, 0, 0, 0, 1);
    e.StartEngine_DrawToPanel(window_);
    e.EngineMainDraw();
    // Paint over the window behind the engine's back: a resent frame would cover this.
    XFillRectangle(display_, window_, DefaultGC(display_, DefaultScreen(display_)), 0, 0, 10, 10);
    XSync(display_, False);
    e.EngineMainDraw();
    EXPECT_EQ(DifferencesFromFrame(), 100);

    XClearArea(display_, window_, 0, 0, 0, 0, True);  // clears and sends Expose
    XSync(display_, False);
    e.EngineMainDraw();
    EXPECT_EQ(DifferencesFromFrame(), 0);

    // The sprite moves: its places are sent, the painted-over corner is not.
    XFillRectangle(display_, window_, DefaultGC(display_, DefaultScreen(display_)), 0, 0, 10, 10);
    XSync(display_, False);
    spriteX_ = 31;
    e.EngineMainDraw();
    EXPECT_EQ(DifferencesFromFrame(), 100);
}

TEST_F(Presentation, AWindowDestroyedUnderTheEngineOnlyEndsThePresenting) {
    e.SetEngineInitParametrs(kWidth, kHeight, 32, 0, 0, 0, 0, 1);
    e.StartEngine_DrawToPanel(window_);
    e.EngineMainDraw();
    XDestroyWindow(display_, window_);
    XSync(display_, False);
    for (int i = 0; i < 3; ++i) {
        spriteX_ = 50 + i;
        e.EngineMainDraw();
    }
    RgbImage frame = Screenshot();
    EXPECT_EQ(frame.At(58, 45), 0xFFEE00u);
    // Starting on a window that does not exist presents nothing and still draws.
    e.StartEngine_DrawToPanel(window_);
    e.EngineMainDraw();
    EXPECT_EQ(Screenshot().width, kWidth);
}

}  // namespace
}  // namespace lexo::test
