#pragma once

#include <cstdint>

namespace lexo {

// What the player types: nothing matches before the dictionary dialog has been confirmed.
enum GameModeValue : uint8_t { kModeNone = 0, kModeWords = 1, kModeTranslations = 2 };

}  // namespace lexo
