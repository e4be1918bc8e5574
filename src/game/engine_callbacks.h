#pragma once

#include "contract/engine_api.h"

namespace lexo {

class Game;

// The engine calls plain argument-less procedures; these reach the one running game. Each runs
// under the error guard, so no exception crosses the engine.
void SetEngineCallbackGame(Game* game);
void DrawFrameProcedure();
void LoadAssetsProcedure();

}  // namespace lexo
