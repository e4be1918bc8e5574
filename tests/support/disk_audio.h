#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lexo::test {

// SDL's disk audio driver, which writes what the device would play into a file: 16-bit stereo
// samples, 44100 frames a second, as fast as the sound would play.
class DiskAudio {
  public:
    static constexpr double kSamplesPerSecond = 44100 * 2;

    // Points SDL's audio at the disk driver writing `path`.
    explicit DiskAudio(std::string path);

    // Waits until the file holds `seconds` of sound, 30 s at the most.
    void WaitFor(double seconds) const;
    bool Holds(double seconds) const;
    // How much sound the file holds so far.
    double Seconds() const;
    bool Exists() const;
    // The samples written so far.
    std::vector<int16_t> Samples() const;

    // The loudest sample from `from` on.
    static int Peak(const std::vector<int16_t>& samples, size_t from = 0);

  private:
    std::string path_;
};

}  // namespace lexo::test
