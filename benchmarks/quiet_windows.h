#pragma once

#include "game/game_state.h"
#include "game/game_windows.h"

namespace lexo::bench {

// Windows that do nothing: the game logic runs against them without Qt or a display. The
// dictionary dialog is confirmed at once, at the default speed.
class QuietWindows : public GameWindows {
  public:
    void EnableTimer(TimerId, bool) override {}
    bool TimerEnabled(TimerId) const override { return true; }
    void SetTimerInterval(TimerId, int32_t) override {}
    PanelSurface Panel1() const override { return {0, 802, 511}; }
    void SetCaption(const std::string&) override {}
    std::string EditText() const override { return {}; }
    void SetEditText(const std::string&) override {}
    void SetEditEnabled(bool) override {}
    void FocusEdit() override {}
    void ClearUntranslatedWords() override {}
    void AddUntranslatedWord(const std::string&) override {}
    void ShowUntranslatedWords() override {}
    std::optional<DictionaryChoice> ShowDictionaryDialog(bool) override {
        return DictionaryChoice{"english-basics", kModeWords, 40};
    }
    void CloseMainWindow() override {}
};

}  // namespace lexo::bench
