#pragma once

#include <X11/Xlib.h>

#include <optional>
#include <string>

#include "bmp_image.h"

namespace lexo::test {

// The window's title as a window manager shows it (_NET_WM_NAME, UTF-8); empty when it has none
// or is gone.
std::string WindowTitle(Display* display, Window window);

// The pixels of [x, x + width) x [y, y + height) of a window (the root window for what the
// screen shows), as 0xRRGGBB; nothing when the server cannot read them (unmapped, gone).
std::optional<RgbImage> ReadPixels(Display* display, Window window, int x, int y, int width,
                                   int height);

}  // namespace lexo::test
