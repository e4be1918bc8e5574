#include "desktop.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <thread>

#include "x11_windows.h"

extern char** environ;

namespace lexo::e2e {
namespace {

// A common player's screen.
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// Windows of the game come and go while the test looks at them: a request about a window that
// has just gone is no failure.
int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }

std::vector<char*> Argv(std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (std::string& part : command) argv.push_back(part.data());
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

bool PollUntil(std::chrono::milliseconds timeout, const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

Desktop::Desktop() : Desktop(kScreenWidth, kScreenHeight) {}

Desktop::Desktop(int screenWidth, int screenHeight)
    : server_(test::XvfbServer::Screen{screenWidth, screenHeight, 24}) {
    if (!server_.Running()) {
        error_ = server_.Error();
        return;
    }
    setenv("DISPLAY", server_.Name().c_str(), 1);
    std::vector<std::string> command = {"openbox", "--sm-disable"};
    std::vector<char*> argv = Argv(command);
    if (posix_spawnp(&windowManager_, "openbox", nullptr, nullptr, argv.data(), environ) != 0) {
        error_ = "openbox could not be started";
        return;
    }
    XSetErrorHandler(IgnoreXErrors);
    display_ = XOpenDisplay(server_.Name().c_str());
    if (display_ == nullptr) {
        error_ = "cannot open " + server_.Name();
        return;
    }
    // openbox is ready once it owns the window-manager selection of screen 0.
    const Atom selection = XInternAtom(display_, "WM_S0", False);
    if (!PollUntil(10s, [&] { return XGetSelectionOwner(display_, selection) != None; })) {
        error_ = "openbox did not start";
    }
}

Desktop::~Desktop() {
    if (display_ != nullptr) XCloseDisplay(display_);
    if (windowManager_ > 0) {
        kill(windowManager_, SIGTERM);
        waitpid(windowManager_, nullptr, 0);
    }
}

bool Desktop::Run(const std::vector<std::string>& command, std::string* output) {
    std::string line;
    for (const std::string& part : command) line += "'" + part + "' ";
    if (output == nullptr) line += ">/dev/null ";
    line += "2>/dev/null";
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) return false;
    std::array<char, 4096> buffer{};
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        if (output != nullptr) output->append(buffer.data(), got);
    }
    return pclose(pipe) == 0;
}

std::vector<Window> Desktop::ClientWindows() {
    std::vector<Window> windows;
    const Atom clientList = XInternAtom(display_, "_NET_CLIENT_LIST", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display_, DefaultRootWindow(display_), clientList, 0, 4096, False,
                           XA_WINDOW, &type, &format, &count, &remaining, &data) == Success &&
        data != nullptr) {
        auto* list = reinterpret_cast<Window*>(data);
        windows.assign(list, list + count);
        XFree(data);
    }
    return windows;
}

std::string Desktop::Title(Window window) { return test::WindowTitle(display_, window); }

std::optional<Window> Desktop::WaitForWindow(const std::string& title,
                                             std::chrono::milliseconds timeout) {
    std::optional<Window> found;
    PollUntil(timeout, [&] {
        for (Window window : ClientWindows()) {
            XWindowAttributes attributes{};
            if (Title(window) == title && XGetWindowAttributes(display_, window, &attributes) &&
                attributes.map_state == IsViewable) {
                found = window;
                return true;
            }
        }
        return false;
    });
    return found;
}

bool Desktop::WaitUntilGone(const std::string& title, std::chrono::milliseconds timeout) {
    return PollUntil(timeout, [&] {
        for (Window window : ClientWindows()) {
            XWindowAttributes attributes{};
            if (Title(window) == title && XGetWindowAttributes(display_, window, &attributes) &&
                attributes.map_state == IsViewable) {
                return false;
            }
        }
        return true;
    });
}

bool Desktop::WaitForTitle(Window window, const std::string& text,
                           std::chrono::milliseconds timeout) {
    return PollUntil(timeout, [&] { return Title(window) == text; });
}

void Desktop::Activate(Window window) {
    Run({"xdotool", "windowactivate", "--sync", std::to_string(window)});
    std::this_thread::sleep_for(200ms);
}

void Desktop::Key(const std::string& keys) {
    Run({"xdotool", "key", "--delay", "120", keys});
    std::this_thread::sleep_for(150ms);
}

void Desktop::Type(const std::string& utf8) {
    Run({"xdotool", "type", "--delay", "120", utf8});
    std::this_thread::sleep_for(150ms);
}

void Desktop::Close(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "_NET_CLOSE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = CurrentTime;
    event.xclient.data.l[1] = 2;  // a request from a pager or taskbar, i.e. the user
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display_);
}

void Desktop::Maximise(Window window, bool maximised) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = maximised ? 1 : 0;  // add or remove
    event.xclient.data.l[1] =
        static_cast<long>(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_VERT", False));
    event.xclient.data.l[2] =
        static_cast<long>(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
    event.xclient.data.l[3] = 2;  // a request from the user
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display_);
}

void Desktop::Resize(Window window, int width, int height) {
    Run({"xdotool", "windowsize", "--sync", std::to_string(window), std::to_string(width),
         std::to_string(height)});
    std::this_thread::sleep_for(300ms);
}

void Desktop::NudgePointer(Window over) {
    static int step = 0;
    ++step;
    Run({"xdotool", "mousemove", "--window", std::to_string(over), std::to_string(5 + step % 2),
         "5"});
}

std::string Desktop::Clipboard() {
    std::string text;
    Run({"xclip", "-o", "-selection", "clipboard"}, &text);
    return text;
}

std::string Desktop::CopyText(Window window) {
    std::string text;
    PollUntil(20s, [&] {
        Activate(window);
        Key("ctrl+a");
        Key("ctrl+c");
        return PollUntil(2s, [&] { return !(text = Clipboard()).empty(); });
    });
    return text;
}

void Desktop::Click(Window window, int x, int y) {
    Run({"xdotool", "mousemove", "--sync", "--window", std::to_string(window), std::to_string(x),
         std::to_string(y), "click", "1"});
}

test::RgbImage Desktop::Grab(Window window) {
    const Window root = DefaultRootWindow(display_);
    XWindowAttributes attributes{};
    int x = 0, y = 0;
    Window child = 0;
    // A window that cannot be read (gone, or not answering on a busy machine) gives the whole
    // screen instead: a failure's picture is always written.
    if (XGetWindowAttributes(display_, window, &attributes) == 0 || attributes.width <= 0 ||
        attributes.height <= 0 ||
        !XTranslateCoordinates(display_, window, root, 0, 0, &x, &y, &child)) {
        XGetWindowAttributes(display_, root, &attributes);
        x = y = 0;
    }
    const int width = std::max(attributes.width, 1);
    const int height = std::max(attributes.height, 1);
    // What the screen shows there, dialogs over the window included.
    return test::ReadPixels(display_, root, x, y, width, height)
        .value_or(test::RgbImage(width, height));
}

}  // namespace lexo::e2e
