#include <algorithm>
#include <cstdint>
#include <string>

#include "game/field_geometry.h"
#include "game/game.h"
#include "text/cp1251.h"

namespace lexo {

void Game::Edit1KeyUp(int key) {
    if (key != kEnterKey) return;

    // The answer line shows a typed "ё" as "е"; only the small letter is replaced there.
    std::string text = windows_.EditText();
    if (text.find(kSmallYo) != std::string::npos) {
        for (char& c : text) {
            if (c == kSmallYo) c = kSmallYe;
        }
        windows_.SetEditText(text);
    }
    CheckAnswer(Cp1251ToLower(text));
    windows_.SetEditText(std::string());
    windows_.FocusEdit();
}

void Game::CheckAnswer(const std::string& answer) {
    if (answer.empty()) return;
    if (state_.GameMode != kModeWords && state_.GameMode != kModeTranslations) return;
    // Entries are compared in the same form as the answer, so capitals and "ё" in a
    // dictionary do not make a word impossible to hit.
    const std::string needle = Cp1251MatchForm(answer);
    LiveMonsterTable& monsters = state_.LiveMonsters;
    for (size_t row = 0; row < monsters.Count(); ++row) {
        const std::string& entry =
            state_.GameMode == kModeWords ? monsters.Word[row] : monsters.Translation[row];
        if (Cp1251MatchForm(entry).find(needle) == std::string::npos) continue;

        engine_.PlaySample(state_.Assets.FireSample);
        state_.PlayerAnimating = true;
        const int32_t kind = monsters.Kind[row];
        const int32_t x = monsters.X[row];
        const int32_t y = monsters.Y[row];
        state_.PlayerFacing = x >= kPlayerX;
        // The corpse keeps the monster's bottom edge; sheet heights come from content files
        // and may be absurd, so the sum is taken wide and held to the field's integer range.
        const int64_t corpseY = int64_t{y} + state_.Sprites.Alive(kind).FrameHeight -
                                state_.Sprites.Dead(kind).FrameHeight;
        AddCorpse(kind, x,
                  static_cast<int32_t>(std::clamp<int64_t>(corpseY, INT32_MIN, INT32_MAX)));
        state_.WordsComplete += 1;
        state_.Score += static_cast<int32_t>(answer.size());
        windows_.SetCaption(FillIn(texts_.scoreCaption, {std::to_string(state_.WordsComplete),
                                                         std::to_string(state_.Score)}));
        state_.WordsShot.push_back(std::move(monsters.Word[row]));
        monsters.Remove(row);
        return;
    }
}

void Game::AddCorpse(int32_t kind, int32_t x, int32_t y) {
    state_.Corpses.Append(kind, x, y);
    if (!windows_.TimerEnabled(TimerId::TimerDethAnimat)) {
        windows_.EnableTimer(TimerId::TimerDethAnimat, true);
    }
}

}  // namespace lexo
