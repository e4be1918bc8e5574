#include "play_session.h"

#include <thread>

#include "bench_report.h"
#include "child_process.h"

namespace lexo::bench {

bool WaitFor(double seconds, const std::function<bool()>& done, std::chrono::milliseconds period) {
    const double deadline = Now() + seconds;
    while (Now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(period);
    }
    return false;
}

void Xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    RunCommand(command);
}

void Keys(Window window, const std::vector<std::string>& keys) {
    Xdotool({"windowfocus", "--sync", std::to_string(window)});
    std::vector<std::string> arguments{"key", "--delay", "60"};
    arguments.insert(arguments.end(), keys.begin(), keys.end());
    Xdotool(arguments);
}

void Type(Window window, const std::string& text) {
    Xdotool({"windowfocus", "--sync", std::to_string(window)});
    Xdotool({"type", "--delay", "60", text});
}

std::optional<Window> EnterGame(X11Watch& watch) {
    std::optional<Window> dialog;
    std::optional<Window> main;
    if (!WaitFor(kStartupTimeout,
                 [&] { return (dialog = watch.FindWindow(kDictionaryTitle)).has_value(); })) {
        return std::nullopt;
    }
    Keys(*dialog, {"Down", "Return"});
    WaitFor(10, [&] {
        return !watch.FindWindow(kDictionaryTitle) && (main = watch.FindWindow(kGameTitle));
    });
    return main;
}

}  // namespace lexo::bench
