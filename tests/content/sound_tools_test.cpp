#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "sound/music.h"
#include "sound/synth.h"
#include "sound/wav_writer.h"
#include "temp_dir.h"
#include "wav_reader.h"

namespace lexo::test {
namespace {

TEST(SoundWavWriter, WritesPcmThatReadsBackClippedToRange) {
    TempDir dir;
    WriteWav(dir.File("s.wav"), 22050, 2, {0.5f, -0.5f, 1.5f, -2.0f});
    const std::optional<WavSound> sound = ReadWav(dir.File("s.wav"));
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->format, 1);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->bitsPerSample, 16);
    EXPECT_EQ(sound->samples, (std::vector<int16_t>{16384, -16384, 32767, -32767}));
}

TEST(SoundWavWriter, ReportsAFileItCannotWrite) {
    TempDir dir;
    EXPECT_THROW(WriteWav(dir.File("missing/s.wav"), 44100, 1, {0.0f}), std::runtime_error);
}

TEST(LoopTrack, SoundBeyondEitherEndWrapsAround) {
    LoopTrack track(10);
    track.Add(12, 1.0f, 2.0f);
    track.Add(-1, 3.0f, 4.0f);
    track.Add(2, 0.5f, 0.5f);
    EXPECT_FLOAT_EQ(track.Left()[2], 1.5f);
    EXPECT_FLOAT_EQ(track.Right()[2], 2.5f);
    EXPECT_FLOAT_EQ(track.Left()[9], 3.0f);
    EXPECT_FLOAT_EQ(track.Right()[9], 4.0f);
}

TEST(Music, LoopsWithoutAJumpWhereItsEndMeetsItsStart) {
    const std::vector<float> music = MakeMusic(0.5f);
    const size_t frames = music.size() / 2;
    EXPECT_GE(static_cast<double>(frames) / kSampleRate, 30.0);
    float peak = 0;
    for (float s : music) peak = std::max(peak, std::abs(s));
    EXPECT_NEAR(peak, 0.5f, 1e-4f);
    for (size_t channel = 0; channel < 2; ++channel) {
        // The step from the last frame to the first must look like any other step of the
        // music, not like a click.
        std::vector<float> steps;
        for (size_t i = 1; i < frames; ++i) {
            steps.push_back(std::abs(music[2 * i + channel] - music[2 * (i - 1) + channel]));
        }
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
        const float usual = steps[steps.size() * 99 / 100];
        EXPECT_LE(std::abs(music[channel] - music[2 * (frames - 1) + channel]), usual)
            << "channel " << channel;
    }
}

}  // namespace
}  // namespace lexo::test
