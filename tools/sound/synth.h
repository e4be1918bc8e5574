#pragma once

#include <cstdint>
#include <vector>

namespace lexo {

constexpr int kSampleRate = 44100;
constexpr float kTau = 6.28318530718f;

float MidiToHz(float note);

// Deterministic white noise in -1 … 1, the same on every machine.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    float Next();

  private:
    uint32_t state_;
};

// A one-pole low-pass filter.
class OnePole {
  public:
    explicit OnePole(float cutoffHz);
    float Process(float x);

  private:
    float k_;
    float y_ = 0;
};

// A stereo track that loops: sound that runs past its end comes back in at its start, so the
// end joins the start without a seam.
class LoopTrack {
  public:
    explicit LoopTrack(int frames);

    int Frames() const { return static_cast<int>(left_.size()); }
    // Adds a sample at `frame`, counted from the start, wrapping around the end.
    void Add(int64_t frame, float left, float right);
    std::vector<float>& Left() { return left_; }
    std::vector<float>& Right() { return right_; }

    std::vector<float> Interleaved() const;

  private:
    std::vector<float> left_;
    std::vector<float> right_;
};

// Adds a soft room reverb. The track is run through it twice and the second pass kept, so the
// reverb's tail at the end of the loop also sounds at its start.
void AddLoopReverb(LoopTrack& track, float wet);

// Scales the samples so the loudest one reaches `peak`.
void Normalise(std::vector<float>& samples, float peak);

}  // namespace lexo
