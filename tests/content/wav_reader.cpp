#include "wav_reader.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace lexo::test {
namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

}  // namespace

double WavSound::Seconds() const {
    if (channels <= 0 || sampleRate <= 0) return 0;
    return static_cast<double>(samples.size()) / channels / sampleRate;
}

int WavSound::Peak() const {
    int peak = 0;
    for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

double WavSound::Rms() const {
    if (samples.empty()) return 0;
    double sum = 0;
    for (int16_t s : samples) sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size())) / 32768.0;
}

std::optional<WavSound> ReadWav(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)),
                                 std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    WavSound sound;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = U32(b, at + 4);
        const size_t body = at + 8;
        if (size > b.size() - body) return std::nullopt;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && size >= 16) {
            sound.format = U16(b, body);
            sound.channels = U16(b, body + 2);
            sound.sampleRate = static_cast<int>(U32(b, body + 4));
            sound.bitsPerSample = U16(b, body + 14);
            haveFormat = true;
        } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            if (sound.bitsPerSample == 16) {
                for (size_t i = 0; i + 1 < size; i += 2)
                    sound.samples.push_back(static_cast<int16_t>(U16(b, body + i)));
            }
            return sound;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace lexo::test
