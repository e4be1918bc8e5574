#include "music.h"

#include <cmath>
#include <iterator>

#include "instruments.h"
#include "synth.h"

namespace lexo {

namespace {

constexpr float kBeat = 60.0f / 92.0f;
constexpr int kBars = 16;
constexpr int kBeatsPerBar = 4;

struct Chord {
    float bass;
    float tones[3];
};

constexpr Chord kC{48, {60, 64, 67}};
constexpr Chord kAm{45, {57, 60, 64}};
constexpr Chord kF{41, {57, 60, 65}};
constexpr Chord kG{43, {55, 59, 62}};
constexpr Chord kEm{40, {55, 59, 64}};

constexpr Chord kChords[kBars] = {kC, kAm, kF,  kG,  kC, kAm, kF, kG,
                                  kF, kG,  kEm, kAm, kF, kG,  kC, kG};

struct TuneNote {
    int bar;
    float beat;
    float beats;
    float pitch;
};

// The tune; its last two notes lead back into the first.
constexpr TuneNote kTune[] = {
    {0, 0, 1, 76},       {0, 1, 1, 79},        {0, 2, 0.5f, 76},     {0, 2.5f, 0.5f, 74},
    {0, 3, 1, 72},       {1, 0, 1.5f, 69},     {1, 1.5f, 0.5f, 72},  {1, 2, 1.5f, 76},
    {2, 0, 1, 77},       {2, 1, 0.5f, 76},     {2, 1.5f, 0.5f, 74},  {2, 2, 1, 72},
    {2, 3, 1, 69},       {3, 0, 1, 67},        {3, 1, 1, 71},        {3, 2, 2, 74},
    {4, 0, 1, 76},       {4, 1, 1, 79},        {4, 2, 0.5f, 81},     {4, 2.5f, 0.5f, 79},
    {4, 3, 1, 76},       {5, 0, 1.5f, 81},     {5, 1.5f, 0.5f, 79},  {5, 2, 1.5f, 76},
    {6, 0, 1, 77},       {6, 1, 1, 81},        {6, 2, 0.5f, 79},     {6, 2.5f, 0.5f, 77},
    {6, 3, 1, 76},       {7, 0, 3, 74},        {8, 0, 1, 72},        {8, 1, 1, 77},
    {8, 2, 1.5f, 81},    {8, 3.5f, 0.5f, 79},  {9, 0, 1, 79},        {9, 1, 0.5f, 77},
    {9, 1.5f, 0.5f, 76}, {9, 2, 2, 74},        {10, 0, 1, 76},       {10, 1, 1, 79},
    {10, 2, 1, 83},      {10, 3, 1, 79},       {11, 0, 3, 81},       {12, 0, 1, 81},
    {12, 1, 0.5f, 79},   {12, 1.5f, 0.5f, 77}, {12, 2, 1, 76},       {12, 3, 1, 77},
    {13, 0, 1, 79},      {13, 1, 0.5f, 77},    {13, 1.5f, 0.5f, 76}, {13, 2, 1, 74},
    {13, 3, 1, 71},      {14, 0, 2, 72},       {14, 2, 1, 76},       {14, 3, 1, 79},
    {15, 0, 2, 74},      {15, 3, 0.5f, 71},    {15, 3.5f, 0.5f, 74},
};

float At(int bar, float beat) { return (static_cast<float>(bar * kBeatsPerBar) + beat) * kBeat; }

void AddTune(LoopTrack& track) {
    for (const TuneNote& n : kTune) {
        // Notes are held a little short of their full value so the phrases breathe.
        AddFlute(track, {At(n.bar, n.beat), n.beats * kBeat * 0.9f, n.pitch, 0.30f, 0.42f});
    }
}

void AddAccompaniment(LoopTrack& track) {
    // Broken chords in eighths: root, fifth, third, fifth, octave, fifth, third, fifth.
    constexpr int kPattern[] = {0, 2, 1, 2, 3, 2, 1, 2};
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kChords[bar];
        for (int i = 0; i < 8; ++i) {
            const int index = kPattern[i];
            const float pitch = index == 3 ? chord.tones[0] + 12 : chord.tones[index];
            const float accent = i % 2 == 0 ? 1.0f : 0.75f;
            AddMallet(track,
                      {At(bar, 0.5f * static_cast<float>(i)), 0, pitch, 0.11f * accent, 0.68f});
        }
        for (float tone : chord.tones) {
            AddPad(track, {At(bar, 0), kBeatsPerBar * kBeat * 0.96f, tone, 0.045f, 0.5f});
        }
        AddBass(track, {At(bar, 0), 1.8f * kBeat, chord.bass, 0.30f, 0.5f});
        AddBass(track, {At(bar, 2), 1.3f * kBeat, chord.bass + 7, 0.24f, 0.5f});
        AddBass(track, {At(bar, 3.5f), 0.4f * kBeat, chord.bass + 12, 0.18f, 0.5f});
    }
}

void AddPercussion(LoopTrack& track) {
    for (int bar = 0; bar < kBars; ++bar) {
        AddKick(track, {At(bar, 0), 0, 0, 0.45f, 0.5f});
        AddKick(track, {At(bar, 2), 0, 0, 0.32f, 0.5f});
        for (int i = 0; i < 8; ++i) {
            const float gain = i % 2 == 1 ? 0.06f : 0.035f;
            AddShaker(track, {At(bar, 0.5f * static_cast<float>(i)), 0, 0, gain, 0.3f},
                      static_cast<uint32_t>(bar * 8 + i + 1) * 2654435761u);
        }
    }
}

}  // namespace

std::vector<float> MakeMusic(float peak) {
    LoopTrack track(static_cast<int>(std::lround(At(kBars, 0) * kSampleRate)));
    AddTune(track);
    AddAccompaniment(track);
    // The percussion stays dry and close; everything else sits in a little room.
    AddLoopReverb(track, 0.22f);
    AddPercussion(track);
    std::vector<float> samples = track.Interleaved();
    Normalise(samples, peak);
    return samples;
}

}  // namespace lexo
