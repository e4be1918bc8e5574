#pragma once

#include <string>
#include <vector>

namespace lexo {

// Draws every picture of the game and writes the monster catalogue into gameDir, whose data
// folder must exist. Returns the written files' paths relative to gameDir.
std::vector<std::string> WriteArt(const std::string& gameDir);

}  // namespace lexo
