#pragma once

#include <vector>

#include "image.h"

namespace lexo {

// The player's sheet while a game runs: standing, then the two frames of a shot. He faces
// left; the game mirrors him to face right.
std::vector<Image> MakePlayerFrames();

// The player's death, seven frames ending lying on the ground. He faces left, as the game
// never mirrors this sheet.
std::vector<Image> MakeDeadPlayerFrames();

}  // namespace lexo
