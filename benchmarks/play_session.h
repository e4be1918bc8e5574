#pragma once

// What the benchmarks that play the real game share: waiting with a deadline, the player's keys
// through xdotool, and the way from the dictionary dialog into play.

#include <X11/Xlib.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "x11_watch.h"

namespace lexo::bench {

inline constexpr double kStartupTimeout = 30;
// The spawn period: a player answering at the pace monsters come.
inline constexpr double kAnswerPeriod = 2.2;
inline const char* const kGameTitle = "Lexodrome";
inline const char* const kDictionaryTitle = "Выберите словарь:";

// The copied game folder the game starts in, and its environment.
struct Setting {
    std::string folder;
    std::map<std::string, std::string> environment;
};

// Polls every `period`: 2 ms where a time is measured, longer while a game is played, so that
// looking does not weigh on the X server whose share is measured.
bool WaitFor(double seconds, const std::function<bool()>& done,
             std::chrono::milliseconds period = std::chrono::milliseconds(2));

void Xdotool(const std::vector<std::string>& arguments);
// Gives the window the keyboard and presses keys (xdotool names) or types UTF-8 text.
void Keys(Window window, const std::vector<std::string>& keys);
void Type(Window window, const std::string& text);

// From the dictionary dialog into play: the first dictionary of the list, in the dialog's
// default mode, typing translations. The game's main window, or nothing when either did not
// show.
std::optional<Window> EnterGame(X11Watch& watch);

}  // namespace lexo::bench
