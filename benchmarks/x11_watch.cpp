#include "x11_watch.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <utility>

#include "x11_windows.h"

namespace lexo::bench {
namespace {

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

// An image of the default visual in a shared memory segment, for reading windows back.
struct X11Watch::SharedImage {
    Display* display = nullptr;
    XImage* image = nullptr;
    XShmSegmentInfo segment{};

    SharedImage(Display* d, int width, int height) : display(d) {
        const int screen = DefaultScreen(display);
        image =
            XShmCreateImage(display, DefaultVisual(display, screen),
                            static_cast<unsigned>(DefaultDepth(display, screen)), ZPixmap, nullptr,
                            &segment, static_cast<unsigned>(width), static_cast<unsigned>(height));
        if (image == nullptr) return;
        segment.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * height,
                               IPC_CREAT | 0600);
        void* address = segment.shmid >= 0 ? shmat(segment.shmid, nullptr, 0) : nullptr;
        if (segment.shmid >= 0) shmctl(segment.shmid, IPC_RMID, nullptr);
        if (address == nullptr || address == reinterpret_cast<void*>(-1) ||
            !XShmAttach(display, &segment)) {
            if (address != nullptr && address != reinterpret_cast<void*>(-1)) shmdt(address);
            XDestroyImage(image);
            image = nullptr;
            return;
        }
        segment.shmaddr = image->data = static_cast<char*>(address);
        XSync(display, False);
    }
    ~SharedImage() {
        if (image == nullptr) return;
        XShmDetach(display, &segment);
        XSync(display, False);
        XDestroyImage(image);
        shmdt(segment.shmaddr);
    }
    SharedImage(const SharedImage&) = delete;
    SharedImage& operator=(const SharedImage&) = delete;

    bool Fits(int width, int height) const {
        return image != nullptr && image->width == width && image->height == height;
    }
};

X11Watch::X11Watch(const std::string& display) {
    XSetErrorHandler(IgnoreXErrors);
    display_ = XOpenDisplay(display.c_str());
}

X11Watch::~X11Watch() {
    shared_.reset();
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
    return FindBelow(DefaultRootWindow(display_), title, 2);
}

// A window manager puts each program's window into a frame of its own: the title is then one
// level down.
std::optional<Window> X11Watch::FindBelow(Window parent, const std::string& title, int depth) {
    Window root = 0, up = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (depth == 0 || !XQueryTree(display_, parent, &root, &up, &children, &count)) {
        return std::nullopt;
    }
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display_, children[i], &attributes) ||
            attributes.map_state != IsViewable) {
            continue;
        }
        if (Title(children[i]) == title) {
            found = children[i];
        } else {
            found = FindBelow(children[i], title, depth - 1);
        }
    }
    if (children != nullptr) XFree(children);
    return found;
}

bool X11Watch::AddKeysyms(const std::vector<std::string>& names) {
    int first = 0, last = 0, perCode = 0;
    XDisplayKeycodes(display_, &first, &last);
    KeySym* map =
        XGetKeyboardMapping(display_, static_cast<KeyCode>(first), last - first + 1, &perCode);
    if (map == nullptr) return false;
    auto yieldsNothing = [&](int code) {
        const KeySym* syms = map + static_cast<ptrdiff_t>(code - first) * perCode;
        return std::all_of(syms, syms + perCode, [](KeySym s) { return s == NoSymbol; });
    };
    bool added = true;
    int code = first;
    for (const std::string& name : names) {
        const KeySym sym = XStringToKeysym(name.c_str());
        if (sym == NoSymbol || XKeysymToKeycode(display_, sym) != 0) continue;
        while (code <= last && !yieldsNothing(code)) ++code;
        if (code > last) {
            added = false;
            break;
        }
        KeySym pair[2] = {sym, sym};
        XChangeKeyboardMapping(display_, code++, 2, pair, 1);
    }
    XFree(map);
    XSync(display_, False);
    return added;
}

bool X11Watch::WindowManagerRunning() {
    const Atom check = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    const bool found =
        XGetWindowProperty(display_, DefaultRootWindow(display_), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &items, &left, &data) == Success &&
        items == 1;
    if (data != nullptr) XFree(data);
    return found;
}

std::optional<std::vector<uint32_t>> X11Watch::Pixels(Window window, int x, int y, int width,
                                                      int height) {
    std::optional<test::RgbImage> picture = test::ReadPixels(display_, window, x, y, width, height);
    if (!picture) return std::nullopt;
    return std::move(picture->pixels);
}

std::optional<size_t> X11Watch::CountColour(Window window, int width, int height, uint32_t colour) {
    if (!shared_ || !shared_->Fits(width, height)) {
        shared_.reset();
        shared_ = std::make_unique<SharedImage>(display_, width, height);
    }
    XImage* image = shared_->image;
    if (image == nullptr || image->bits_per_pixel != 32 || image->red_mask != 0xFF0000 ||
        image->green_mask != 0xFF00 || image->blue_mask != 0xFF) {
        return std::nullopt;
    }
    if (!XShmGetImage(display_, window, image, 0, 0, AllPlanes)) return std::nullopt;
    size_t count = 0;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            image->data + static_cast<size_t>(y) * image->bytes_per_line);
        for (int x = 0; x < width; ++x) count += (row[x] & 0xFFFFFF) == colour;
    }
    return count;
}

bool X11Watch::FakeKey(const char* keysym, bool pressed) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
    if (code == 0 || !XTestFakeKeyEvent(display_, code, pressed ? True : False, CurrentTime)) {
        return false;
    }
    XFlush(display_);
    return true;
}

}  // namespace lexo::bench
