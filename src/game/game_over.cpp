#include "game/asset_paths.h"
#include "game/game.h"
#include "records/field_geometry.h"

namespace lexo {

bool Overlaps(int32_t x1, int32_t y1, int32_t w1, int32_t h1, int32_t x2, int32_t y2, int32_t w2,
              int32_t h2) {
    // 64-bit sums: sprite sizes come from content files and may be huge.
    return x1 < int64_t{x2} + w2 && x2 < int64_t{x1} + w1 && y1 < int64_t{y2} + h2 &&
           y2 < int64_t{y1} + h1;
}

std::string UntranslatedLine(const std::string& word, const std::string& translation) {
    std::string listed = translation;
    for (size_t i = 0; i + 1 < listed.size(); ++i) {
        if (listed[i] == ' ' && listed[i + 1] == ' ') listed[i] = ',';
    }
    return word + " - " + listed;
}

void Game::GameTimer() {
    state_.Evidence.ClockMs += kGameTimerInterval;
    const LiveMonsterTable& monsters = state_.LiveMonsters;
    // Every monster touching the player reached him, though the first one ends the game.
    for (size_t row = 0; row < monsters.Count(); ++row) {
        const SpriteSpec& sprite = state_.Sprites.Alive(monsters.Kind[row]);
        if (Overlaps(kPlayerBoxX, kPlayerBoxY, kPlayerBoxWidth, kPlayerBoxHeight, monsters.X[row],
                     monsters.Y[row], sprite.FrameWidth, sprite.FrameHeight)) {
            state_.GameOver = true;
            NoteReached(monsters.Word[row]);
        }
    }
    if (!state_.GameOver) return;

    windows_.EnableTimer(TimerId::Game, false);
    engine_.PlaySample(state_.Assets.DieSample);
    windows_.SetTimerInterval(TimerId::TimerGame, 170);
    windows_.EnableTimer(TimerId::TimerDethAnimat, false);
    windows_.EnableTimer(TimerId::TimerAnimat, false);
    windows_.EnableTimer(TimerId::TimerMove, false);
    windows_.EnableTimer(TimerId::TimerAdd, false);
    windows_.SetEditEnabled(false);
    state_.PlayerAnimating = true;
}

void Game::TimerGameTimer() {
    if (!state_.PlayerAnimating) return;
    state_.PlayerFrame += 1;
    const int32_t lastFrame = state_.GameOver ? kDeadPlayerFrames : kPlayerFrames;
    if (state_.PlayerFrame <= lastFrame) return;

    state_.PlayerAnimating = false;
    state_.PlayerFrame = state_.GameOver ? kDeadPlayerFrames : 1;
    if (state_.PlayerFrame != kDeadPlayerFrames) return;
    EndOfGame();
}

void Game::EndOfGame() {
    windows_.ClearUntranslatedWords();
    windows_.EnableTimer(TimerId::TimerGame, false);
    const LiveMonsterTable& monsters = state_.LiveMonsters;
    for (size_t row = 0; row < monsters.Count(); ++row) {
        windows_.AddUntranslatedWord(
            UntranslatedLine(monsters.Word[row], monsters.Translation[row]));
    }
    RecordGame();
    windows_.ShowUntranslatedWords();
    std::optional<DictionaryChoice> choice = windows_.ShowDictionaryDialog(false);
    if (!choice) {
        windows_.CloseMainWindow();
        return;
    }
    ApplyDictionaryChoice(*choice);
    RestartGame();
}

void Game::RecordGame() const {
    if (history_ == nullptr) return;
    GameRecord record;
    record.dictionary = state_.DictionaryDir;
    record.mode = state_.GameMode;
    record.pace = state_.Pace;
    record.wordsComplete = state_.WordsComplete;
    record.score = state_.Score;
    record.shot = state_.WordsShot;
    record.walked = state_.Evidence.Walked;
    record.misfires = state_.Evidence.Misfires;
    record.lengthMs = state_.Evidence.ClockMs;
    if (state_.MemoryWords) record.sources = state_.MemoryWords->sources;
    const LiveMonsterTable& monsters = state_.LiveMonsters;
    for (size_t row = 0; row < monsters.Count(); ++row) {
        record.missed.emplace_back(monsters.Word[row], monsters.Translation[row]);
    }
    history_->Record(record);
}

void Game::RestartGame() {
    state_.GameOver = false;
    // With the game-over look gone the living player is drawn, from his first frame, also
    // while a dictionary that failed to load is chosen again.
    state_.PlayerFrame = 1;
    state_.WordList.Clear();
    state_.TranslationList.Clear();
    state_.Corpses = CorpseTable();
    state_.LiveMonsters = LiveMonsterTable();
    state_.PlayerFacing = false;
    if (!LoadChosenDictionary()) {
        windows_.CloseMainWindow();
        return;
    }
    engine_.PlayMusic(kMusicPath, 1);
    windows_.EnableTimer(TimerId::TimerAdd, true);
    windows_.EnableTimer(TimerId::TimerAnimat, true);
    windows_.EnableTimer(TimerId::TimerMove, true);
    state_.Score = 0;
    state_.WordsComplete = 0;
    state_.WordsShot.clear();
    StartEvidence();
    windows_.SetEditEnabled(true);
    windows_.FocusEdit();
    windows_.SetEditText(std::string());
    windows_.EnableTimer(TimerId::Game, true);
    windows_.EnableTimer(TimerId::TimerGame, true);
}

}  // namespace lexo
