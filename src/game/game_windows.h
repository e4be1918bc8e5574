#pragma once

#include <cstdint>
#include <string>

namespace lexo {

// The main window's six timers.
enum class TimerId { TimerAdd, TimerMove, TimerAnimat, TimerDethAnimat, TimerGame, Game };

// The panel the engine draws into: its native window and its size.
struct PanelSurface {
    unsigned long window = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// What the game logic needs of the windows. Texts are CP1251. Timers keep the classic rules:
// setting the interval of a running timer restarts its period; enabling an enabled timer
// changes nothing.
class GameWindows {
public:
    virtual ~GameWindows() = default;

    virtual void EnableTimer(TimerId timer, bool enabled) = 0;
    virtual bool TimerEnabled(TimerId timer) const = 0;
    virtual void SetTimerInterval(TimerId timer, int32_t milliseconds) = 0;

    virtual PanelSurface Panel1() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;

    // The answer line.
    virtual std::string EditText() const = 0;
    virtual void SetEditText(const std::string& text) = 0;
    virtual void SetEditEnabled(bool enabled) = 0;
    virtual void FocusEdit() = 0;

    // The untranslated-words window: its memo, then shown modally until the player closes it.
    virtual void ClearUntranslatedWords() = 0;
    virtual void AddUntranslatedWord(const std::string& line) = 0;
    virtual void ShowUntranslatedWords() = 0;

    // The dictionary dialog, shown modally until the player confirms a dictionary; it sets
    // GameState::DictionaryDir and GameMode. False when there was nothing to choose and the
    // player asked to quit instead. The speed is its spinner's position, 1 ... 99.
    virtual bool ShowDictionaryDialog() = 0;
    virtual int32_t DictionarySpeed() const = 0;
};

}  // namespace lexo
