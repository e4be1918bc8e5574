#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "records/game_record.h"
#include "records/memory_dictionary.h"

namespace lexo {

// The main window's six timers.
enum class TimerId { TimerAdd, TimerMove, TimerAnimat, TimerDethAnimat, TimerGame, Game };

// The Game timer's period in milliseconds; the game's clock counts its ticks.
constexpr int32_t kGameTimerInterval = 55;

// What the player confirmed in the dictionary dialog.
struct DictionaryChoice {
    std::string folder;   // as the file system names it
    uint8_t mode = 0;     // GameModeValue
    int32_t pace = 40;    // the monsters' step period in milliseconds, 1 ... 99
    bool speech = false;  // the shot words are spoken (a dictionary with languages only)
    // Set when the player chose a dictionary held in memory; folder is then its name.
    std::shared_ptr<const MemoryDictionary> memory = nullptr;
};

// The panel the engine draws into: its native window and its size in the window's own (device)
// pixels.
struct PanelSurface {
    unsigned long window = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// What the game logic needs of the windows. Texts are UTF-8. Timers keep the classic rules:
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

    // The dictionary dialog, shown modally until the player confirms a dictionary. Nothing
    // when the player quit instead: offered when there is no dictionary at all, and with
    // offerQuit (the dictionary chosen last could not be played).
    virtual std::optional<DictionaryChoice> ShowDictionaryDialog(bool offerQuit) = 0;

    // Closes the main window, which ends the game, once the running handler has returned.
    virtual void CloseMainWindow() = 0;
};

}  // namespace lexo
