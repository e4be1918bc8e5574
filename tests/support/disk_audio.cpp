#include "disk_audio.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace lexo::test {

DiskAudio::DiskAudio(std::string path) : path_(std::move(path)) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
}

bool DiskAudio::Holds(double seconds) const {
    const auto wanted = static_cast<uintmax_t>(seconds * kSamplesPerSecond * 2);
    std::error_code error;
    return std::filesystem::file_size(path_, error) >= wanted && !error;
}

double DiskAudio::Seconds() const {
    std::error_code error;
    const uintmax_t bytes = std::filesystem::file_size(path_, error);
    return error ? 0.0 : static_cast<double>(bytes) / (kSamplesPerSecond * 2);
}

bool DiskAudio::Exists() const { return std::filesystem::exists(path_); }

void DiskAudio::WaitFor(double seconds) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!Holds(seconds) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::vector<int16_t> DiskAudio::Samples() const {
    std::ifstream file(path_, std::ios::binary);
    std::vector<char> raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(raw.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<int16_t>(static_cast<uint8_t>(raw[2 * i]) | raw[2 * i + 1] << 8);
    }
    return samples;
}

int DiskAudio::Peak(const std::vector<int16_t>& samples, size_t from) {
    int peak = 0;
    for (size_t i = from; i < samples.size(); ++i) peak = std::max(peak, std::abs(int{samples[i]}));
    return peak;
}

}  // namespace lexo::test
