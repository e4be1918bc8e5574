#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "records/game_record.h"

namespace lexo {

// Starts `program` with `args` as a process of its own at the lowest priority, detached by a
// double fork: the game neither waits for it nor leaves a zombie behind. Its output goes
// nowhere. False when it could not be started.
bool StartDetached(const std::string& program, const std::vector<std::string>& args);

// lexodrome-dict: beside the game's program in a build, in bin/ beside lib/lexodrome/ once
// installed; nothing when neither is there.
std::optional<std::string> ToolkitPath();

// Keeps each game, then starts the fit of the memory model, which decides for itself whether
// the reviews have grown enough since the last one: the game reads no history for it.
class FitAfterGame : public GameHistory {
  public:
    FitAfterGame(GameHistory& kept, std::function<void()> startFit)
        : kept_(kept), startFit_(std::move(startFit)) {}
    void Record(const GameRecord& game) override {
        kept_.Record(game);
        startFit_();
    }

  private:
    GameHistory& kept_;
    std::function<void()> startFit_;
};

// What FitAfterGame starts in the game: lexodrome-dict memory --fit --if-grown, when there is a
// toolkit to run.
void StartMemoryFit();

}  // namespace lexo
