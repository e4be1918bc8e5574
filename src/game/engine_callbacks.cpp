#include "game/engine_callbacks.h"

#include "errors/error_guard.h"
#include "game/game.h"

namespace lexo {
namespace {

Game*& CallbackGame() {
    static Game* game = nullptr;
    return game;
}

}  // namespace

void SetEngineCallbackGame(Game* game) { CallbackGame() = game; }

void DrawFrameProcedure() {
    if (Game* game = CallbackGame()) RunGuarded([game] { game->DrawFrame(); });
}

void LoadAssetsProcedure() {
    if (Game* game = CallbackGame()) RunGuarded([game] { game->LoadAssets(); });
}

}  // namespace lexo
