#include "sound_effects.h"

#include <algorithm>
#include <cmath>

#include "synth.h"

namespace lexo {

namespace {

// A short fade at the very end, so the sample never stops with a click.
void FadeOut(std::vector<float>& samples, float seconds) {
    const size_t n = std::min(samples.size(), static_cast<size_t>(seconds * kSampleRate));
    for (size_t i = 0; i < n; ++i) {
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(n);
    }
}

}  // namespace

std::vector<float> MakeFireSound(float peak) {
    std::vector<float> out(static_cast<size_t>(0.3f * kSampleRate));
    Noise noise(0xF17Eu);
    OnePole whoosh(3000.0f);
    float phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float attack = std::min(1.0f, t / 0.004f);
        // A falling sweep gives the "pew"; a soft sine keeps it round rather than buzzing.
        const float hz = 520.0f + 1300.0f * std::exp(-t / 0.045f);
        phase += kTau * hz / kSampleRate;
        const float zap = (std::sin(phase) + 0.2f * std::sin(2 * phase)) * std::exp(-t / 0.075f);
        const float shimmer = 1.0f + 0.5f * std::sin(kTau * 31.0f * t);
        const float sparkle = 0.16f *
                              (std::sin(kTau * 2637.0f * t) + 0.5f * std::sin(kTau * 3951.0f * t)) *
                              std::exp(-t / 0.06f) * shimmer;
        const float air = 0.25f * whoosh.Process(noise.Next()) * std::exp(-t / 0.03f);
        out[i] = (zap + sparkle + air) * attack;
    }
    FadeOut(out, 0.02f);
    Normalise(out, peak);
    return out;
}

std::vector<float> MakeDieSound(float peak) {
    std::vector<float> out(static_cast<size_t>(1.4f * kSampleRate));
    // Three short notes and a long one, each sliding a little flat at its end.
    struct Step {
        float start, length, note;
    };
    const Step steps[] = {
        {0.05f, 0.2f, 58}, {0.27f, 0.2f, 57}, {0.49f, 0.2f, 56}, {0.71f, 0.62f, 55}};
    float phases[4] = {};
    Noise noise(0xD1Eu);
    OnePole thud(400.0f);
    float kickPhase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        float sample = 0;
        for (int k = 0; k < 4; ++k) {
            const Step& s = steps[k];
            float& phase = phases[k];
            const float u = t - s.start;
            if (u < 0 || u > s.length + 0.08f) {
                continue;
            }
            const float bend = -0.6f * std::max(0.0f, (u - s.length * 0.5f) / s.length);
            const float wobble = s.length > 0.5f ? 0.15f * std::sin(kTau * 5.5f * u) : 0.0f;
            phase += kTau * MidiToHz(s.note + bend + wobble) / kSampleRate;
            const float env =
                std::min(1.0f, u / 0.02f) * std::clamp((s.length + 0.08f - u) / 0.08f, 0.0f, 1.0f);
            // The "wah": brightness opens and closes over each note.
            const float open = std::sin(0.5f * kTau * std::clamp(u / s.length, 0.0f, 1.0f));
            const float tone = std::sin(phase) + 0.45f * open * std::sin(2 * phase) +
                               0.22f * open * std::sin(3 * phase) +
                               0.1f * open * std::sin(4 * phase);
            sample += 0.55f * tone * env;
        }
        kickPhase += kTau * (45.0f + 70.0f * std::exp(-t / 0.04f)) / kSampleRate;
        sample += 0.8f * std::sin(kickPhase) * std::exp(-t / 0.12f) * std::min(1.0f, t / 0.003f);
        sample += 0.5f * thud.Process(noise.Next()) * std::exp(-t / 0.05f);
        out[i] = sample;
    }
    FadeOut(out, 0.05f);
    Normalise(out, peak);
    return out;
}

}  // namespace lexo
