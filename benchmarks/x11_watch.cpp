#include "x11_watch.h"

#include <X11/Xatom.h>

#include <utility>

#include "x11_windows.h"

namespace lexo::bench {
namespace {

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

X11Watch::X11Watch(const std::string& display) {
    XSetErrorHandler(IgnoreXErrors);
    display_ = XOpenDisplay(display.c_str());
}

X11Watch::~X11Watch() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

std::string X11Watch::Title(Window window) { return test::WindowTitle(display_, window); }

void X11Watch::Close(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

std::optional<Window> X11Watch::FindWindow(const std::string& title) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
        return std::nullopt;
    }
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, children[i], &attributes) &&
            attributes.map_state == IsViewable && Title(children[i]) == title) {
            found = children[i];
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

std::optional<std::vector<uint32_t>> X11Watch::Pixels(Window window, int x, int y, int width,
                                                      int height) {
    std::optional<test::RgbImage> picture = test::ReadPixels(display_, window, x, y, width, height);
    if (!picture) return std::nullopt;
    return std::move(picture->pixels);
}

}  // namespace lexo::bench
