#include <algorithm>
#include <cstdint>
#include <string>

#include "game/game.h"
#include "records/field_geometry.h"
#include "text/answer_text.h"
#include "text/dictionary_languages.h"
#include "text/unicode_text.h"

namespace lexo {

void Game::Edit1KeyUp(int key) {
    if (key != kEnterKey) {
        NoteKey(key);
        return;
    }

    // The answer line shows a typed "ё" as "е"; only the small letter is replaced there.
    std::string text = windows_.EditText();
    constexpr std::string_view kSmallYo = "ё";
    constexpr std::string_view kSmallYe = "е";
    bool replaced = false;
    for (size_t at = text.find(kSmallYo); at != std::string::npos; at = text.find(kSmallYo, at)) {
        text.replace(at, kSmallYo.size(), kSmallYe);
        replaced = true;
    }
    if (replaced) windows_.SetEditText(text);
    CheckAnswer(text);
    EndAnswer();
    windows_.SetEditText(std::string());
    windows_.FocusEdit();
}

void Game::CheckAnswer(const std::string& answer) {
    if (state_.GameMode != kModeWords && state_.GameMode != kModeTranslations) return;
    // Entries are compared in the same form as the answer, so capitals and marks in a
    // dictionary do not make a word impossible to hit.
    const AnswerText typed(answer);
    if (typed.Empty()) return;
    LiveMonsterTable& monsters = state_.LiveMonsters;
    const bool words = state_.GameMode == kModeWords;
    const auto entry = [&](size_t row) -> const std::string& {
        return words ? monsters.Word[row] : monsters.Translation[row];
    };
    const auto readings = [&](size_t row) -> const std::string& {
        return words ? monsters.WordReadings[row] : monsters.TranslationReadings[row];
    };
    // A whole alternative names its monster before any monster that merely contains the text
    // ("да" shoots "да", not an older "когда").
    size_t row = 0;
    while (row < monsters.Count() && !typed.IsWholeOf(entry(row), readings(row))) ++row;
    if (row == monsters.Count()) {
        row = 0;
        while (row < monsters.Count() && !typed.IsPartOf(entry(row), readings(row))) ++row;
    }
    if (row == monsters.Count()) {
        NoteMisfire(answer);
        return;
    }
    engine_.PlaySample(state_.Assets.FireSample);
    if (!state_.WordsVoice.empty() && engine_.Speak != nullptr) {
        engine_.Speak(state_.WordsVoice.c_str(), SpokenText(monsters.Word[row]).c_str());
    }
    state_.PlayerAnimating = true;
    const int32_t kind = monsters.Kind[row];
    const int32_t x = monsters.X[row];
    const int32_t y = monsters.Y[row];
    state_.PlayerFacing = x >= kPlayerX;
    // The corpse keeps the monster's bottom edge; sheet heights come from content files
    // and may be absurd, so the sum is taken wide and held to the field's integer range.
    const int64_t corpseY =
        int64_t{y} + state_.Sprites.Alive(kind).FrameHeight - state_.Sprites.Dead(kind).FrameHeight;
    AddCorpse(kind, x, static_cast<int32_t>(std::clamp<int64_t>(corpseY, INT32_MIN, INT32_MAX)));
    state_.WordsComplete += 1;
    state_.Score += static_cast<int32_t>(CharacterCount(answer));
    windows_.SetCaption(FillIn(
        texts_.scoreCaption, {std::to_string(state_.WordsComplete), std::to_string(state_.Score)}));
    NoteShot(monsters.Word[row], answer);
    state_.WordsShot.push_back(std::move(monsters.Word[row]));
    monsters.Remove(row);
}

void Game::AddCorpse(int32_t kind, int32_t x, int32_t y) {
    state_.Corpses.Append(kind, x, y);
    if (!windows_.TimerEnabled(TimerId::TimerDethAnimat)) {
        windows_.EnableTimer(TimerId::TimerDethAnimat, true);
    }
}

}  // namespace lexo
