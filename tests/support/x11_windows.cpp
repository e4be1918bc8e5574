#include "x11_windows.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <bit>
#include <cstdint>

namespace lexo::test {

std::string WindowTitle(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &remaining, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

std::optional<RgbImage> ReadPixels(Display* display, Window window, int x, int y, int width,
                                   int height) {
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) return std::nullopt;
    auto channel = [](unsigned long pixel, unsigned long mask) {
        return mask == 0 ? 0u : uint32_t((pixel & mask) >> std::countr_zero(mask)) & 0xFF;
    };
    RgbImage picture(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            picture.Set(column, row,
                        channel(pixel, image->red_mask) << 16 |
                            channel(pixel, image->green_mask) << 8 |
                            channel(pixel, image->blue_mask));
        }
    }
    XDestroyImage(image);
    return picture;
}

}  // namespace lexo::test
