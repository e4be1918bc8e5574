#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "contract/engine_entries.h"
#include "game/game_state.h"
#include "game/game_texts.h"
#include "game/game_windows.h"
#include "records/game_record.h"

namespace lexo {

// The game: every handler of the main window's timers and answer line, the start-up sequence,
// asset and catalogue loading, and the picture of each frame. It reaches the windows through
// GameWindows and the engine through the bound entry table only, and reads no clock.
class Game {
  public:
    // history, when given, keeps every finished game.
    Game(GameState& state, const EngineEntries& engine, GameWindows& windows,
         GameHistory* history = nullptr);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The texts the game writes (caption, banner, its own error), in the player's language.
    void UseTexts(GameTexts texts) { texts_ = std::move(texts); }

    // Main window created: seeds the random generator.
    void FormCreate(uint32_t seed);

    // How the start-up sequence ended, when no run-time error ended it first.
    enum class StartUp { Running, EngineUnavailable, PlayerQuit };

    // Main window first shown: the start-up sequence. loadEngineLibrary loads and binds the
    // engine and says whether the game can run with it. Run-time errors of a step propagate
    // and end the sequence there.
    StartUp FormShow(const std::function<bool()>& loadEngineLibrary);

    // Idle moment: asks the engine for a frame, which calls DrawFrame.
    void ApplicationEvents1Idle();
    void Panel1CanResize(int32_t newWidth, int32_t newHeight);
    void FormClose();
    // Frees the fire sample; the caller then unloads the engine library.
    void FormDestroy();

    // Timers.
    void TimerAddTimer() { SpawnMonster(); }
    void TimerMoveTimer();
    void TimerAnimatTimer();
    void TimerDethAnimatTimer();
    void TimerGameTimer();
    void GameTimer();

    // Answer line: a key was released. Enter answers; the others are timed, and the deleting
    // ones counted, for the history.
    void Edit1KeyUp(int key);
    static constexpr int kEnterKey = 13;
    static constexpr int kBackspaceKey = 8;
    static constexpr int kDeleteKey = 46;
    static constexpr int kOtherKey = 0;

    // Engine procedures: kind 2 and kind 0.
    void LoadAssets();
    void DrawFrame() const;

    void LoadMonsterKinds();
    void LoadMonsterKind(const std::string& name, int32_t kind);

    void SpawnMonster();
    void CheckAnswer(const std::string& answer);
    void AddCorpse(int32_t kind, int32_t x, int32_t y);
    void RestartGame();

    // Fills WordList and TranslationList from the chosen dictionary folder, asking for another
    // folder until one can be played. False when the player quit instead.
    bool LoadChosenDictionary();

  private:
    void ApplyDictionaryChoice(const DictionaryChoice& choice);
    void EndOfGame();
    void RecordGame() const;

    // The evidence of each word's walk (word_evidence.cpp).
    void StartEvidence();
    void NoteKey(int key);
    void NoteAppeared(const std::string& word, const std::string& translation);
    void NoteShot(const std::string& word, const std::string& answer);
    void NoteMisfire(const std::string& answer);
    void NoteReached(const std::string& word);
    void EndAnswer();

    void DrawText(EngineHandle font, int32_t x, int32_t y, const std::string& utf8,
                  int32_t colour) const;
    void DrawBackground() const;
    void DrawCorpses() const;
    void DrawPlayer() const;
    void DrawMonsters() const;

    GameState& state_;
    const EngineEntries& engine_;
    GameWindows& windows_;
    GameHistory* history_;
    GameTexts texts_;
    bool engineStarted_ = false;
};

// True when the rectangles share interior; touching along an edge is no overlap.
bool Overlaps(int32_t x1, int32_t y1, int32_t w1, int32_t h1, int32_t x2, int32_t y2, int32_t w2,
              int32_t h2);

// The line of the untranslated-words list for one monster: word, " - ", and the translation
// with every space that is followed by another space turned into a comma.
std::string UntranslatedLine(const std::string& word, const std::string& translation);

}  // namespace lexo
