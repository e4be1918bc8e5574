#pragma once

#include <vector>

namespace lexo {

// The background tune: sixteen bars in C major at an easy walking pace, a flute over mallets,
// pad, bass and light percussion, about 42 seconds that loop without a seam. Interleaved
// stereo at kSampleRate, peaking at `peak`.
std::vector<float> MakeMusic(float peak);

}  // namespace lexo
