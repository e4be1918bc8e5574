// The engine's sound directly, with the mixer library it is given: SDL2_mixer is opened at run
// time, and every way that can end must leave the engine answering.

#include <gtest/gtest.h>

#include <cmath>

#include "disk_audio.h"
#include "mixer_library.h"
#include "sound.h"
#include "sound/wav_writer.h"
#include "temp_dir.h"

namespace lexo::test {
namespace {

class SoundLoading : public ::testing::Test {
  protected:
    void SetUp() override { audio_ = std::make_unique<DiskAudio>(dir_.File("device.raw")); }

    // A 0.3 s sine tone, loud or quiet, as a WAV file.
    std::string Tone(const std::string& name, double amplitude) {
        std::vector<float> samples(6615);
        for (size_t i = 0; i < samples.size(); ++i) {
            samples[i] = static_cast<float>(amplitude * std::sin(2 * M_PI * 440 * i / 22050.0));
        }
        const std::string path = dir_.File(name);
        WriteWav(path, 22050, 1, samples);
        return path;
    }

    std::string Broken() {
        const std::string path = dir_.File("broken.wav");
        WriteWav(path, 22050, 1, {0.5f});
        // A format tag no decoder knows.
        FILE* file = std::fopen(path.c_str(), "r+b");
        std::fseek(file, 20, SEEK_SET);
        std::fputc(0x77, file);
        std::fclose(file);
        return path;
    }

    TempDir dir_;
    std::unique_ptr<DiskAudio> audio_;
};

TEST(MixerLibrary, OpensTheInstalledLibraryAndRefusesOthers) {
    EXPECT_NE(MixerLibrary::Open(MixerLibrary::kSoname), nullptr);
    EXPECT_EQ(MixerLibrary::Open("libno-such-mixer.so.0"), nullptr);
    // A library that is there but is no mixer.
    EXPECT_EQ(MixerLibrary::Open("libm.so.6"), nullptr);
}

TEST_F(SoundLoading, WithoutTheMixerLibraryEverythingAnswersAndNothingOpens) {
    for (const char* missing : {"libno-such-mixer.so.0", "libm.so.6"}) {
        Sound sound(missing);
        sound.Init();
        const uint32_t tone = sound.LoadSample(Tone("tone.wav", 0.5).c_str());
        EXPECT_NE(tone, 0u) << missing;
        EXPECT_EQ(sound.LoadSample(Broken().c_str()), 0u) << missing;
        sound.SetSampleVolume(tone, 100);
        sound.PlaySample(tone);
        sound.PlayMusic(LEXO_FIXTURES_DIR "/engine/tone.mp3", 1);
        sound.FreeSample(tone);
        sound.Shutdown();
        EXPECT_FALSE(audio_->Exists()) << missing << ": the audio device was opened";
    }
}

TEST_F(SoundLoading, SamplesLoadedBeforeAndAfterTheDeviceOpensBothPlay) {
    Sound sound;
    sound.Init();
    const uint32_t early = sound.LoadSample(Tone("early.wav", 0.5).c_str());
    ASSERT_NE(early, 0u);
    sound.SetSampleVolume(early, 0);
    // The first play waits for the device and decodes the early sample for it, silenced.
    sound.PlaySample(early);
    const uint32_t late = sound.LoadSample(Tone("late.wav", 0.5).c_str());
    ASSERT_NE(late, 0u);
    EXPECT_EQ(sound.LoadSample(Broken().c_str()), 0u);
    sound.PlaySample(late);
    audio_->WaitFor(0.5);
    sound.Shutdown();
    EXPECT_GT(DiskAudio::Peak(audio_->Samples()), 8000);

    sound.Init();
    const uint32_t again = sound.LoadSample(Tone("again.wav", 0.5).c_str());
    sound.SetSampleVolume(again, 0);
    sound.PlaySample(again);
    sound.Shutdown();
    EXPECT_EQ(DiskAudio::Peak(audio_->Samples()), 0) << "the volume set before decoding was lost";
}

TEST_F(SoundLoading, OpeningAndClosingAgainAndAgainLeavesSoundWorking) {
    Sound sound;
    for (int round = 0; round < 20; ++round) {
        sound.Init();
        sound.StartOpening();
        sound.LoadSample(Tone("tone.wav", 0.5).c_str());
        sound.Shutdown();
    }
    {
        Sound dropped;
        dropped.Init();
        dropped.StartOpening();
    }
    sound.Init();
    const uint32_t tone = sound.LoadSample(Tone("tone.wav", 0.5).c_str());
    sound.PlaySample(tone);
    audio_->WaitFor(0.4);
    sound.Shutdown();
    EXPECT_GT(DiskAudio::Peak(audio_->Samples()), 8000);
}

TEST_F(SoundLoading, TheDeviceIsOpenedOnlyOnceStartedOrNeeded) {
    Sound sound;
    sound.Init();
    const uint32_t tone = sound.LoadSample(Tone("tone.wav", 0.5).c_str());
    EXPECT_NE(tone, 0u);
    sound.Shutdown();
    EXPECT_FALSE(audio_->Exists()) << "a device asked for but never needed was opened";

    sound.Init();
    sound.StartOpening();
    sound.Shutdown();
    EXPECT_TRUE(audio_->Exists()) << "starting did not open the device";
}

}  // namespace
}  // namespace lexo::test
