#include "synth.h"

#include <algorithm>
#include <cmath>

namespace lexo {

float MidiToHz(float note) { return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f); }

float Noise::Next() {
    // xorshift32
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<float>(state_) / 2147483648.0f - 1.0f;
}

OnePole::OnePole(float cutoffHz) : k_(1.0f - std::exp(-kTau * cutoffHz / kSampleRate)) {}

float OnePole::Process(float x) {
    y_ += k_ * (x - y_);
    return y_;
}

LoopTrack::LoopTrack(int frames)
    : left_(static_cast<size_t>(frames)), right_(static_cast<size_t>(frames)) {}

void LoopTrack::Add(int64_t frame, float left, float right) {
    const int64_t n = Frames();
    const auto at = static_cast<size_t>(((frame % n) + n) % n);
    left_[at] += left;
    right_[at] += right;
}

std::vector<float> LoopTrack::Interleaved() const {
    std::vector<float> out;
    out.reserve(left_.size() * 2);
    for (size_t i = 0; i < left_.size(); ++i) {
        out.push_back(left_[i]);
        out.push_back(right_[i]);
    }
    return out;
}

namespace {

class Comb {
  public:
    Comb(int length, float feedback) : buffer_(static_cast<size_t>(length)), feedback_(feedback) {}
    float Process(float x) {
        const float out = buffer_[at_];
        // Damping: the echoes lose their highs as they repeat.
        store_ = out * 0.7f + store_ * 0.3f;
        buffer_[at_] = x + store_ * feedback_;
        at_ = (at_ + 1) % buffer_.size();
        return out;
    }

  private:
    std::vector<float> buffer_;
    float feedback_;
    float store_ = 0;
    size_t at_ = 0;
};

class AllPass {
  public:
    explicit AllPass(int length) : buffer_(static_cast<size_t>(length)) {}
    float Process(float x) {
        const float delayed = buffer_[at_];
        const float out = delayed - x;
        buffer_[at_] = x + delayed * 0.5f;
        at_ = (at_ + 1) % buffer_.size();
        return out;
    }

  private:
    std::vector<float> buffer_;
    size_t at_ = 0;
};

// A small Schroeder reverb for one channel; `spread` detunes the delays between channels.
std::vector<float> Reverberate(const std::vector<float>& dry, int spread) {
    std::vector<Comb> combs;
    for (int length : {1116, 1188, 1277, 1356}) {
        combs.emplace_back(length + spread, 0.78f);
    }
    AllPass first(556 + spread);
    AllPass second(441 + spread);
    const size_t n = dry.size();
    std::vector<float> wet(n);
    for (size_t pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < n; ++i) {
            float sum = 0;
            for (Comb& comb : combs) {
                sum += comb.Process(dry[i]);
            }
            wet[i] = second.Process(first.Process(sum * 0.25f));
        }
    }
    return wet;
}

}  // namespace

void AddLoopReverb(LoopTrack& track, float wet) {
    for (auto* channel : {&track.Left(), &track.Right()}) {
        const int spread = channel == &track.Left() ? 0 : 23;
        const std::vector<float> tail = Reverberate(*channel, spread);
        for (size_t i = 0; i < tail.size(); ++i) {
            (*channel)[i] += tail[i] * wet;
        }
    }
}

void Normalise(std::vector<float>& samples, float peak) {
    float loudest = 0;
    for (float s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest <= 0) {
        return;
    }
    for (float& s : samples) {
        s *= peak / loudest;
    }
}

}  // namespace lexo
