#pragma once

#include <X11/Xlib.h>

#include "pixels.h"

namespace lexo {

// Whether an image's pixels are 32-bit words of the frame's layout (red 0xFF0000, green
// 0xFF00, blue 0xFF, native byte order), so frame rows can be copied into it unchanged.
bool ImageMatchesFrameLayout(const XImage& image);

// Converts a part of a picture into an image of any other TrueColor layout, pixel by pixel. Bits
// of the depth outside the colour masks (an alpha channel) are set, so the result is opaque.
void WriteFrameToImage(const Image& frame, const Rect& part, XImage& image);

}  // namespace lexo
