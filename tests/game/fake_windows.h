#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/game_windows.h"

namespace lexo::testing {

// The windows as plain values: timers, caption, answer line and the two modal windows, whose
// showing runs a scripted reaction. While a modal window is open, whileModal runs: the game's
// timers go on ticking there, as they do under a real modal window.
class FakeWindows : public GameWindows {
  public:
    struct TimerState {
        bool enabled = false;
        int32_t interval = 0;
    };

    FakeWindows() {
        timers[TimerId::TimerAdd] = {false, 2200};
        timers[TimerId::TimerMove] = {false, 40};
        timers[TimerId::TimerAnimat] = {false, 120};
        timers[TimerId::TimerDethAnimat] = {false, 140};
        timers[TimerId::TimerGame] = {true, 140};
        timers[TimerId::Game] = {true, 55};
    }

    void EnableTimer(TimerId timer, bool enabled) override { timers[timer].enabled = enabled; }
    bool TimerEnabled(TimerId timer) const override { return timers.at(timer).enabled; }
    void SetTimerInterval(TimerId timer, int32_t ms) override { timers[timer].interval = ms; }
    // A panel of twice the designed size, as on a screen of twice the density.
    PanelSurface Panel1() const override { return {4242, 1604, 1022}; }
    void SetCaption(const std::string& text) override { caption = text; }
    std::string EditText() const override { return editText; }
    void SetEditText(const std::string& text) override {
        editText = text;
        editHistory.push_back(text);
    }
    void SetEditEnabled(bool enabled) override { editEnabled = enabled; }
    void FocusEdit() override { ++editFocused; }
    void ClearUntranslatedWords() override { untranslated.clear(); }
    void AddUntranslatedWord(const std::string& line) override { untranslated.push_back(line); }
    void ShowUntranslatedWords() override {
        Modal modal(*this);
        shownUntranslated.push_back(untranslated);
        // The field timers must be quiet while the list is open.
        timersWhileListed = timers;
        if (whileModal) whileModal();
    }
    std::optional<DictionaryChoice> ShowDictionaryDialog(bool offerQuit) override {
        Modal modal(*this);
        ++dictionaryDialogs;
        quitOffered.push_back(offerQuit);
        if (whileModal) whileModal();
        return onDictionaryDialog ? onDictionaryDialog() : choice;
    }
    void CloseMainWindow() override { ++closeRequests; }

    std::map<TimerId, TimerState> timers;
    std::map<TimerId, TimerState> timersWhileListed;
    std::string caption = "Lexodrome";
    std::string editText;
    std::vector<std::string> editHistory;
    bool editEnabled = true;
    int editFocused = 0;
    std::vector<std::string> untranslated;
    std::vector<std::vector<std::string>> shownUntranslated;
    int dictionaryDialogs = 0;
    std::vector<bool> quitOffered;
    // What the dialog answers, unless onDictionaryDialog says otherwise; nothing means quit, so
    // a test that forgets to choose ends its game instead of being asked again for ever.
    std::optional<DictionaryChoice> choice;
    std::function<std::optional<DictionaryChoice>()> onDictionaryDialog;
    std::function<void()> whileModal;
    int modalsOpen = 0;
    int nestedModals = 0;  // modal windows shown while another was open
    int closeRequests = 0;

  private:
    struct Modal {
        explicit Modal(FakeWindows& w) : windows(w) {
            if (windows.modalsOpen++ > 0) ++windows.nestedModals;
        }
        ~Modal() { --windows.modalsOpen; }
        FakeWindows& windows;
    };
};

}  // namespace lexo::testing
