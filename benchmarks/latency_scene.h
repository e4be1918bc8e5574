#pragma once

#include <cstdint>
#include <string>

namespace lexo::bench {

// The monsters of the latency figure: one kind (named twice, for kinds 1 and 2), a plain square
// that walks, and dies into a square of a colour nothing else the game draws has. A shot is seen
// from outside as that many more pixels of the colour.
inline constexpr uint32_t kCorpseColour = 0xFF00FF;  // 0xRRGGBB
inline constexpr uint32_t kWalkingColour = 0x202020;
inline constexpr int kMarkerSide = 40;

// Replaces the monster kinds of a copied game folder with the marker kind. False on failure.
bool WriteLatencyMonsters(const std::string& gameFolder);

}  // namespace lexo::bench
