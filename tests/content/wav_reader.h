#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexo::test {

// The parts of a WAV file the game's sound needs.
struct WavSound {
    int format = 0;  // 1 is PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<int16_t> samples;  // interleaved; filled for 16-bit sound only

    double Seconds() const;
    int Peak() const;
    double Rms() const;  // 0 … 1 of full scale
};

// Reads a RIFF WAVE file chunk by chunk; nothing for a file that is missing, truncated or
// lacks its "fmt " or "data" chunk.
std::optional<WavSound> ReadWav(const std::string& path);

}  // namespace lexo::test
