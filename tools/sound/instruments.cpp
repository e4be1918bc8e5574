#include "instruments.h"

#include <algorithm>
#include <cmath>

namespace lexo {

namespace {

// Attack, then hold, then release after the note's length; 0 … 1.
float Envelope(float t, float length, float attack, float release) {
    if (t < 0) {
        return 0;
    }
    const float rise = std::min(1.0f, t / attack);
    if (t <= length) {
        return rise;
    }
    return rise * std::max(0.0f, 1.0f - (t - length) / release);
}

// Equal-power panning.
void Put(LoopTrack& track, int64_t frame, float sample, float pan) {
    const float a = pan * kTau / 4.0f;
    track.Add(frame, sample * std::cos(a), sample * std::sin(a));
}

int64_t StartFrame(const Note& note) {
    return static_cast<int64_t>(std::lround(note.start * kSampleRate));
}

int FramesFor(float seconds) { return static_cast<int>(seconds * kSampleRate); }

}  // namespace

void AddFlute(LoopTrack& track, const Note& note) {
    const float hz = MidiToHz(note.pitch);
    const float release = 0.16f;
    Noise breath(static_cast<uint32_t>(note.pitch * 977 + note.start * 131) | 1u);
    OnePole breathTone(2200.0f);
    const int64_t start = StartFrame(note);
    float phase = 0;
    for (int i = 0, n = FramesFor(note.length + release); i < n; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        // Vibrato comes in only once a note has been held a while.
        const float depth = 0.0035f * std::clamp((t - 0.25f) / 0.3f, 0.0f, 1.0f);
        phase += kTau * hz * (1.0f + depth * std::sin(kTau * 5.2f * t)) / kSampleRate;
        const float env = Envelope(t, note.length, 0.06f, release);
        const float tone =
            std::sin(phase) + 0.16f * std::sin(2 * phase) + 0.05f * std::sin(3 * phase);
        const float chiff =
            breathTone.Process(breath.Next()) * (0.35f * std::exp(-t / 0.05f) + 0.04f);
        Put(track, start + i, (tone + chiff) * env * note.gain, note.pan);
    }
}

void AddMallet(LoopTrack& track, const Note& note) {
    const float hz = MidiToHz(note.pitch);
    const int64_t start = StartFrame(note);
    for (int i = 0, n = FramesFor(1.2f); i < n; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float strike = std::min(1.0f, t / 0.002f);
        const float body = std::sin(kTau * hz * t) * std::exp(-t / 0.32f);
        const float knock = 0.25f * std::sin(kTau * hz * 3.99f * t) * std::exp(-t / 0.03f);
        Put(track, start + i, (body + knock) * strike * note.gain, note.pan);
    }
}

void AddPad(LoopTrack& track, const Note& note) {
    const float hz = MidiToHz(note.pitch);
    const float release = 0.7f;
    const int64_t start = StartFrame(note);
    // Two voices a few cents apart, one per side, for a slow, wide shimmer.
    const float detune = std::pow(2.0f, 4.0f / 1200.0f);
    for (int i = 0, n = FramesFor(note.length + release); i < n; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float env = Envelope(t, note.length, 0.45f, release) * note.gain;
        const float a = kTau * hz * t;
        const float b = a * detune;
        const float left = std::sin(a) + 0.2f * std::sin(3 * a) / 3.0f + 0.3f * std::sin(2 * b);
        const float right = std::sin(b) + 0.2f * std::sin(3 * b) / 3.0f + 0.3f * std::sin(2 * a);
        track.Add(start + i, left * env * (1.2f - note.pan), right * env * (0.2f + note.pan));
    }
}

void AddBass(LoopTrack& track, const Note& note) {
    const float hz = MidiToHz(note.pitch);
    const float release = 0.09f;
    const int64_t start = StartFrame(note);
    for (int i = 0, n = FramesFor(note.length + release); i < n; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float env =
            Envelope(t, note.length, 0.008f, release) * (0.55f + 0.45f * std::exp(-t / 0.18f));
        const float a = kTau * hz * t;
        const float tone = std::sin(a) + 0.3f * std::sin(2 * a) + 0.08f * std::sin(3 * a);
        Put(track, start + i, tone * env * note.gain, note.pan);
    }
}

void AddKick(LoopTrack& track, const Note& note) {
    const int64_t start = StartFrame(note);
    float phase = 0;
    for (int i = 0, n = FramesFor(0.32f); i < n; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float hz = 46.0f + 64.0f * std::exp(-t / 0.035f);
        phase += kTau * hz / kSampleRate;
        const float env = std::min(1.0f, t / 0.003f) * std::exp(-t / 0.11f);
        Put(track, start + i, std::sin(phase) * env * note.gain, note.pan);
    }
}

void AddShaker(LoopTrack& track, const Note& note, uint32_t seed) {
    Noise noise(seed | 1u);
    OnePole body(7000.0f);
    OnePole low(1800.0f);
    const int64_t start = StartFrame(note);
    for (int i = 0, n = FramesFor(0.12f); i < n; ++i) {
        const float t = static_cast<float>(i) / kSampleRate;
        const float bright = body.Process(noise.Next());
        // Keep only the band between the two filters: a soft hiss, not a click.
        const float band = bright - low.Process(bright);
        const float env = std::min(1.0f, t / 0.012f) * std::exp(-t / 0.035f);
        Put(track, start + i, band * env * note.gain, note.pan);
    }
}

}  // namespace lexo
