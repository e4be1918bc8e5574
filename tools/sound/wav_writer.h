#pragma once

#include <string>
#include <vector>

namespace lexo {

// Writes 16-bit PCM WAV. `samples` holds values in -1 … 1, interleaved when channels is 2;
// values beyond that range are clipped. Throws std::runtime_error when the file cannot be
// written.
void WriteWav(const std::string& path, int sampleRate, int channels,
              const std::vector<float>& samples);

}  // namespace lexo
