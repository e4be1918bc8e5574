#include <iostream>

#include "game/asset_paths.h"
#include "game/engine_callbacks.h"
#include "game/game.h"
#include "records/field_geometry.h"

namespace lexo {

Game::StartUp Game::FormShow(const std::function<bool()>& loadEngineLibrary) {
    state_.Score = 0;
    state_.WordsComplete = 0;
    state_.WordsShot.clear();
    state_.PlayerAnimating = false;
    state_.PlayerFrame = 1;

    if (!loadEngineLibrary()) return StartUp::EngineUnavailable;
    if (engine_.DrawText2D_UTF8 == nullptr) {
        std::cerr << "zarnik: the engine library draws CP1251 text only; letters beyond it are "
                     "drawn in their nearest CP1251 form\n";
    }
    if (engine_.DrawText2D_UTF8 != nullptr && engine_.DrawText2D_Shaped == nullptr) {
        std::cerr << "zarnik: the engine library draws only the letters of its own fonts; others "
                     "show as replacement marks\n";
    }
    if (engine_.PrepareSpeech == nullptr || engine_.Speak == nullptr) {
        std::cerr << "zarnik: the engine library cannot speak; the shot words are silent\n";
    }

    SetEngineCallbackGame(this);
    engine_.RegProcedure(0, DrawFrameProcedure);
    engine_.RegProcedure(2, LoadAssetsProcedure);
    engine_.PleaseNoLogo();
    const PanelSurface panel = windows_.Panel1();
    // The scene keeps its designed size whatever size the panel already has (a window
    // maximised before start-up, a high-density screen); the engine scales it into the panel.
    engine_.SetEngineInitParametrs(kSceneWidth, kSceneHeight, 32, 0, 0, 0, 0, 1);
    // The engine runs LoadAssets while it starts, so the tables exist for the first frames.
    engine_.StartEngine_DrawToPanel(panel.window);
    engine_.UpdateRenderRect(panel.width, panel.height);
    engineStarted_ = true;
    // The player sees the field before the dialog covers it.
    ApplicationEvents1Idle();

    std::optional<DictionaryChoice> choice = windows_.ShowDictionaryDialog(false);
    if (!choice) return StartUp::PlayerQuit;
    ApplyDictionaryChoice(*choice);

    LoadAssets();
    LoadMonsterKinds();
    engine_.PlayMusic(kMusicPath, 1);
    // The field comes alive only with a dictionary that can be played: while the player
    // chooses again, nothing may spawn or walk.
    if (!LoadChosenDictionary()) return StartUp::PlayerQuit;
    // The Game timer ticked while the player chose: the game's clock starts now.
    StartEvidence();
    windows_.EnableTimer(TimerId::TimerAdd, true);
    windows_.EnableTimer(TimerId::TimerAnimat, true);
    windows_.EnableTimer(TimerId::TimerMove, true);
    return StartUp::Running;
}

}  // namespace lexo
