#pragma once

#include <cstdint>

namespace lexo::bench {

// The window of the start-up floor program: how the benchmark finds it and what it shows.
inline constexpr const char* kFloorWindowTitle = "Lexodrome start-up floor";
inline constexpr uint32_t kFloorWindowColour = 0x3C7A2E;  // 0xRRGGBB, a meadow green
inline constexpr int kFloorWindowWidth = 802;
inline constexpr int kFloorWindowHeight = 532;

}  // namespace lexo::bench
