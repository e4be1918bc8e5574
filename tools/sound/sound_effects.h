#pragma once

#include <vector>

namespace lexo {

// The shot: a soft magic "pew" with a sparkle, 0.3 seconds, mono at kSampleRate.
std::vector<float> MakeFireSound(float peak);

// The player's fall: a thump and a sad, sliding three-note sigh, 1.4 seconds, mono.
std::vector<float> MakeDieSound(float peak);

}  // namespace lexo
