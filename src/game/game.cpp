#include "game/game.h"

#include "game/engine_callbacks.h"

namespace lexo {

Game::Game(GameState& state, const EngineEntries& engine, GameWindows& windows,
           GameHistory* history)
    : state_(state), engine_(engine), windows_(windows), history_(history) {}

Game::~Game() { SetEngineCallbackGame(nullptr); }

void Game::FormCreate(uint32_t seed) { state_.Random.seed(seed); }

void Game::ApplicationEvents1Idle() {
    if (engineStarted_) engine_.EngineMainDraw();
}

void Game::Panel1CanResize(int32_t newWidth, int32_t newHeight) {
    // The panel is sized while the window is built, before the engine is loaded.
    if (engine_.UpdateRenderRect) engine_.UpdateRenderRect(newWidth, newHeight);
}

void Game::FormClose() {
    if (!engineStarted_) return;
    engine_.QuitEngine();
    engineStarted_ = false;
}

void Game::FormDestroy() {
    if (engine_.FreeSample) engine_.FreeSample(state_.Assets.FireSample);
}

}  // namespace lexo
