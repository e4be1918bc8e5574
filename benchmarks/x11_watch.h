#pragma once

#include <X11/Xlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lexo::bench {

// A connection to the benchmark's own X server that finds top-level windows by title and reads
// their pixels back, the way a player's eye would see the first frame. X errors (a window that
// goes away while it is looked at) are ignored.
class X11Watch {
  public:
    explicit X11Watch(const std::string& display);
    ~X11Watch();
    X11Watch(const X11Watch&) = delete;
    X11Watch& operator=(const X11Watch&) = delete;

    bool Open() const { return display_ != nullptr; }

    // A mapped top-level window whose title (UTF-8) is exactly `title`, framed by a window
    // manager or not.
    std::optional<Window> FindWindow(const std::string& title);
    // Puts each keysym (names: "Cyrillic_o") that no key yields yet on a key that yields
    // nothing, as a keyboard layout holding them would: xdotool then types them without
    // remapping a key for each, which makes every client (a window manager regrabbing its
    // bindings) reread the keyboard. False when keys ran out.
    bool AddKeysyms(const std::vector<std::string>& names);
    // Whether a window manager has announced itself on the root window.
    bool WindowManagerRunning();
    std::string Title(Window window);
    // Asks the window to close, as its close box does.
    void Close(Window window);

    // The window's pixels in [x, x + width) x [y, y + height), as 0xRRGGBB; nothing when the
    // window cannot be read (not mapped, gone).
    std::optional<std::vector<uint32_t>> Pixels(Window window, int x, int y, int width, int height);

    // How many pixels of the window's [0, width) x [0, height) are exactly `colour` (0xRRGGBB).
    // Read through shared memory, fast enough to look every millisecond; nothing when the window
    // cannot be read or its pixels are not 32-bit 0xRRGGBB words.
    std::optional<size_t> CountColour(Window window, int width, int height, uint32_t colour);

    // Presses or releases a key (a keysym name: "Return") through XTest, as the keyboard would;
    // the window with the focus gets it. The event is sent at once.
    bool FakeKey(const char* keysym, bool pressed);

  private:
    struct SharedImage;
    std::optional<Window> FindBelow(Window parent, const std::string& title, int depth);
    Display* display_ = nullptr;
    std::unique_ptr<SharedImage> shared_;
};

}  // namespace lexo::bench
