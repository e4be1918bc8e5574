#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bmp_image.h"
#include "xvfb_server.h"

namespace lexo::e2e {

using namespace std::chrono_literals;

// Checks condition every 50 ms until it holds or the timeout has passed; whether it held. Every
// wait for the world outside the test goes through here: no fixed pause decides a result.
bool PollUntil(std::chrono::milliseconds timeout, const std::function<bool()>& condition);

// A small desktop of the test's own: an Xvfb server with the openbox window manager, so that
// close requests and focus work as a player's desktop does. Input goes through xdotool, the
// clipboard through xclip; pictures are read back with XGetImage.
class Desktop {
  public:
    // A screen of 1920 x 1080 unless told otherwise.
    Desktop();
    Desktop(int screenWidth, int screenHeight);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    bool Ready() const { return display_ != nullptr; }
    const std::string& Error() const { return error_; }
    const std::string& DisplayName() const { return server_.Name(); }

    // The managed window whose title is exactly title (UTF-8), once it is mapped.
    std::optional<Window> WaitForWindow(const std::string& title,
                                        std::chrono::milliseconds timeout = 20s);
    // Waits until no mapped window has this title.
    bool WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout = 20s);
    std::string Title(Window window);
    // Waits until the window's title is text.
    bool WaitForTitle(Window window, const std::string& text,
                      std::chrono::milliseconds timeout = 10s);

    // Gives the window the keyboard focus and raises it.
    void Activate(Window window);
    // Keys by xdotool name ("Return", "Down", "ctrl+a"), to the focused window.
    void Key(const std::string& keys);
    // Types UTF-8 text slowly enough that Cyrillic letters are not dropped.
    void Type(const std::string& utf8);
    // Asks the window manager to close the window, as its close box does.
    void Close(Window window);
    // Asks the window manager to maximise the window or to give it its size back, as its
    // title bar's button does.
    void Maximise(Window window, bool maximised);
    // Resizes the window's client area, as dragging its border does.
    void Resize(Window window, int width, int height);
    // Moves the pointer a little over one of the game's windows, which wakes the game's event
    // loop also when none of its timers runs.
    void NudgePointer(Window over);

    std::string Clipboard();
    // Selects all text of the window and copies it, as a player would, until the clipboard
    // holds something; that text.
    std::string CopyText(Window window);
    // Clicks the left button at x, y of the window's client area.
    void Click(Window window, int x, int y);

    // The window's client area as it is on the screen, in 0xRRGGBB.
    test::RgbImage Grab(Window window);

  private:
    bool Run(const std::vector<std::string>& command, std::string* output = nullptr);
    std::vector<Window> ClientWindows();

    test::XvfbServer server_;
    pid_t windowManager_ = -1;
    Display* display_ = nullptr;
    std::string error_;
};

}  // namespace lexo::e2e
