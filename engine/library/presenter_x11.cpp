#include "presenter_x11.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>

#include "x11_pixels.h"

namespace lexo {
namespace {

// Xlib reports errors through one handler per process. Ours takes the errors of the presenter's
// own connection and hands every other connection's to the handler that was there before.
Display* g_presenterDisplay = nullptr;
bool g_presenterError = false;
XErrorHandler g_previousHandler = nullptr;

int OnXError(Display* display, XErrorEvent* event) {
    if (display == g_presenterDisplay) {
        g_presenterError = true;
        return 0;
    }
    return g_previousHandler != nullptr ? g_previousHandler(display, event) : 0;
}

void InstallErrorHandler(Display* display) {
    g_presenterDisplay = display;
    g_presenterError = false;
    g_previousHandler = XSetErrorHandler(OnXError);
}

void RemoveErrorHandler() {
    XErrorHandler current = XSetErrorHandler(g_previousHandler);
    // Someone installed a handler after ours: keep theirs.
    if (current != OnXError) XSetErrorHandler(current);
    g_presenterDisplay = nullptr;
    g_previousHandler = nullptr;
}

// Round trip to the server; true when no error came back for this connection.
bool SyncedWithoutError(Display* display) {
    XSync(display, False);
    return !g_presenterError;
}

}  // namespace

struct X11Presenter::State {
    Display* display = nullptr;
    Window window = 0;
    Visual* visual = nullptr;
    int depth = 0;
    GC gc = nullptr;
    XImage* image = nullptr;
    XShmSegmentInfo shm{};
    bool shared = false;
    bool shmRefused = false;  // the server turned shared memory down once; don't ask again
    bool imageShown = false;  // the window shows what the image holds
    bool directCopy = false;  // the image's pixels are laid out like the picture's

    bool CreateSharedImage(int width, int height);
    bool CreatePlainImage(int width, int height);
    void DestroyImage();
    bool EnsureImage(int width, int height);
    void ReadEvents();
    void FillImage(const Image& picture, const Rect& part);
    void Put(const Rect& part);
};

bool X11Presenter::State::CreateSharedImage(int width, int height) {
    if (shmRefused || !XShmQueryExtension(display)) return false;
    image = XShmCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, nullptr, &shm,
                            static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (image == nullptr) return false;
    shm.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(image->bytes_per_line) * image->height,
                       IPC_CREAT | 0600);
    void* address = shm.shmid >= 0 ? shmat(shm.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
    if (address == reinterpret_cast<void*>(-1)) {
        if (shm.shmid >= 0) shmctl(shm.shmid, IPC_RMID, nullptr);
        XDestroyImage(image);
        image = nullptr;
        return false;
    }
    shm.shmaddr = image->data = static_cast<char*>(address);
    shm.readOnly = False;
    bool attached = XShmAttach(display, &shm) && SyncedWithoutError(display);
    // Marked for removal now, the segment disappears once both sides let go, even after a crash.
    shmctl(shm.shmid, IPC_RMID, nullptr);
    if (!attached) {
        g_presenterError = false;
        shmRefused = true;
        shmdt(shm.shmaddr);
        XDestroyImage(image);
        image = nullptr;
        return false;
    }
    shared = true;
    return true;
}

bool X11Presenter::State::CreatePlainImage(int width, int height) {
    image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                         static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (image == nullptr) return false;
    // XDestroyImage releases the data with free().
    image->data =
        static_cast<char*>(std::malloc(static_cast<size_t>(image->bytes_per_line) * image->height));
    if (image->data == nullptr) {
        XDestroyImage(image);
        image = nullptr;
        return false;
    }
    shared = false;
    return true;
}

void X11Presenter::State::DestroyImage() {
    if (image == nullptr) return;
    if (shared) {
        XShmDetach(display, &shm);
        XSync(display, False);
        XDestroyImage(image);  // frees the structure only; the segment is ours to detach
        shmdt(shm.shmaddr);
    } else {
        XDestroyImage(image);
    }
    image = nullptr;
    shared = false;
    imageShown = false;
}

bool X11Presenter::State::EnsureImage(int width, int height) {
    if (image != nullptr && image->width == width && image->height == height) return true;
    DestroyImage();
    if (!CreateSharedImage(width, height) && !CreatePlainImage(width, height)) return false;
    directCopy = ImageMatchesFrameLayout(*image);
    imageShown = false;
    return true;
}

void X11Presenter::State::ReadEvents() {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose) imageShown = false;
        // A destroyed window answers every request with an error; stop talking to it.
        if (event.type == DestroyNotify && event.xdestroywindow.window == window) {
            g_presenterError = true;
        }
    }
}

// Copies a part of the picture into the image.
void X11Presenter::State::FillImage(const Image& picture, const Rect& part) {
    if (!directCopy) {
        WriteFrameToImage(picture, part, *image);
        return;
    }
    const size_t rowBytes = static_cast<size_t>(part.x1 - part.x0) * sizeof(Pixel);
    for (int64_t y = part.y0; y < part.y1; ++y) {
        char* dst = image->data + static_cast<size_t>(y) * image->bytes_per_line +
                    static_cast<size_t>(part.x0) * sizeof(Pixel);
        std::memcpy(dst, picture.Row(static_cast<int>(y)) + part.x0, rowBytes);
    }
}

void X11Presenter::State::Put(const Rect& part) {
    const auto x = static_cast<int>(part.x0);
    const auto y = static_cast<int>(part.y0);
    const auto width = static_cast<unsigned>(part.x1 - part.x0);
    const auto height = static_cast<unsigned>(part.y1 - part.y0);
    if (shared) {
        XShmPutImage(display, window, gc, image, x, y, x, y, width, height, False);
    } else {
        XPutImage(display, window, gc, image, x, y, x, y, width, height);
    }
}

X11Presenter::X11Presenter() = default;

X11Presenter::~X11Presenter() { Stop(); }

bool X11Presenter::Start(unsigned long window) {
    Stop();
    if (window == 0) return false;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    state_ = std::make_unique<State>();
    state_->display = display;
    state_->window = window;
    InstallErrorHandler(display);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || !SyncedWithoutError(display)) {
        Stop();
        return false;
    }
    state_->visual = attributes.visual;
    state_->depth = attributes.depth;
    XSelectInput(display, window, ExposureMask | StructureNotifyMask);
    state_->gc = XCreateGC(display, window, 0, nullptr);
    if (!SyncedWithoutError(display)) {
        Stop();
        return false;
    }
    return true;
}

void X11Presenter::Stop() {
    if (!state_) return;
    State& s = *state_;
    s.DestroyImage();
    if (s.gc != nullptr) XFreeGC(s.display, s.gc);
    // Our interest in the window's events ends with the connection.
    XCloseDisplay(s.display);
    RemoveErrorHandler();
    state_.reset();
}

void X11Presenter::Present(const Image& picture, std::span<const Rect> changed) {
    if (!state_ || picture.width <= 0 || picture.height <= 0) return;
    State& s = *state_;
    s.ReadEvents();
    if (g_presenterError || !s.EnsureImage(picture.width, picture.height)) {
        Stop();
        return;
    }
    const Rect all{0, 0, picture.width, picture.height};
    const std::span<const Rect> parts = s.imageShown ? changed : std::span<const Rect>(&all, 1);
    if (parts.empty()) return;
    for (const Rect& part : parts) {
        const Rect clipped = part.Intersect(all);
        if (clipped.Empty()) continue;
        s.FillImage(picture, clipped);
        s.Put(clipped);
    }
    // Waiting for the server keeps the shared image unchanged until it has been read, and
    // brings any error of these requests back now.
    if (!SyncedWithoutError(s.display)) {
        Stop();
        return;
    }
    s.imageShown = true;
}

}  // namespace lexo
