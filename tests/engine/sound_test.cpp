// Sound through SDL's disk audio driver, which writes what the device would play into a file.

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "disk_audio.h"
#include "engine_fixture.h"

namespace lexo::test {
namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 16-bit mono WAV holding one steady level: two plays that overlap add up to twice the level
// however far apart the device started them.
std::vector<uint8_t> LevelWav(double seconds, double level) {
    const uint32_t rate = 22050;
    const auto count = static_cast<uint32_t>(seconds * rate);
    std::vector<uint8_t> wav{'R', 'I', 'F', 'F'};
    Put(wav, 36 + count * 2, 4);
    for (char c : std::string("WAVEfmt ")) wav.push_back(static_cast<uint8_t>(c));
    for (uint32_t v : {16u, 1u | 1u << 16, rate, rate * 2, 2u | 16u << 16}) Put(wav, v, 4);
    for (char c : std::string("data")) wav.push_back(static_cast<uint8_t>(c));
    Put(wav, count * 2, 4);
    const auto value = static_cast<int16_t>(std::lround(level * 32767));
    for (uint32_t i = 0; i < count; ++i) Put(wav, static_cast<uint16_t>(value), 2);
    return wav;
}

constexpr double kSamplesPerSecond = DiskAudio::kSamplesPerSecond;

class Sound : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        audio_ = std::make_unique<DiskAudio>(dir.File("device.raw"));
    }

    // Lets the device play until its output holds `seconds` of sound, closes it, and gives the
    // 16-bit samples it played.
    std::vector<int16_t> Played(double seconds) {
        audio_->WaitFor(seconds);
        e.QuitEngine();
        EXPECT_TRUE(audio_->Holds(seconds)) << "the disk driver wrote too little";
        return audio_->Samples();
    }

    static int Peak(const std::vector<int16_t>& samples, size_t from = 0) {
        return DiskAudio::Peak(samples, from);
    }

    uint32_t LoadTone(double level) {
        return e.LoadSample(WriteFile("tone.wav", LevelWav(0.3, level)).c_str(), 0, 0);
    }

    std::unique_ptr<DiskAudio> audio_;
};

TEST_F(Sound, APlayedSampleIsHeardAndOverlappingPlaysMix) {
    e.DirectSoundInit();
    e.DirectSoundInit();
    uint32_t tone = LoadTone(0.2);
    ASSERT_NE(tone, 0u);
    e.PlaySample(tone);
    int single = Peak(Played(0.5));
    EXPECT_GT(single, 3000);

    e.DirectSoundInit();
    tone = LoadTone(0.2);
    e.PlaySample(tone);
    e.PlaySample(tone);
    EXPECT_GT(Peak(Played(0.5)), single * 3 / 2);
}

TEST_F(Sound, ManyOverlappingPlaysNeverFail) {
    e.DirectSoundInit();
    uint32_t tone = LoadTone(0.01);
    for (int i = 0; i < 300; ++i) e.PlaySample(tone);
    EXPECT_GT(Peak(Played(0.3)), 0);
}

TEST_F(Sound, SilenceWhenNothingPlaysOrTheVolumeIsZero) {
    e.DirectSoundInit();
    uint32_t tone = LoadTone(0.5);
    e.SetSampleVolume(tone, 0);
    e.PlaySample(tone);
    uint32_t freed = LoadTone(0.5);
    e.FreeSample(freed);
    e.PlaySample(freed);
    EXPECT_EQ(Peak(Played(0.4)), 0);
}

// A word is spoken once its synthesis is done, at a frame after Speak; a voice espeak-ng does
// not have, or an empty text, says nothing.
TEST_F(Sound, ASpokenWordIsHeardOnlyInAVoiceThatExists) {
    const struct {
        const char* voice;
        const char* text;
        bool heard;
    } kCases[] = {{"de", "der Schlüssel", true}, {"xx-nowhere", "Haus", false}, {"ru", "", false}};
    for (const auto& c : kCases) {
        ASSERT_NE(e.Speak, nullptr);
        Start(8, 8);
        e.DirectSoundInit();
        e.PrepareSpeech(c.voice, c.text);
        e.Speak(c.voice, c.text);
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (std::chrono::steady_clock::now() < until) {
            e.EngineMainDraw();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_EQ(Peak(Played(1.2)) > 1000, c.heard) << c.voice << " " << c.text;
    }
}

TEST_F(Sound, MusicLoopsUntilQuitAndBrokenMusicIsSilence) {
    e.DirectSoundInit();
    e.PlayMusic(LEXO_FIXTURES_DIR "/engine/tone.mp3", 1);
    std::vector<int16_t> played = Played(2.0);
    EXPECT_GT(Peak(played), 3000);
    // The tune lasts a second: played once, everything after 1.2 s would be silent.
    EXPECT_GT(Peak(played, static_cast<size_t>(1.2 * kSamplesPerSecond)), 3000);

    // The tune may be heard until the broken file replaces it; the buffer being mixed at that
    // moment can still hold it, so silence is asked for only from a tenth of a second later.
    e.DirectSoundInit();
    e.PlayMusic(LEXO_FIXTURES_DIR "/engine/tone.mp3", 1);
    e.PlayMusic(WriteFile("noise.mp3", std::vector<uint8_t>(2048, 0x33)).c_str(), 1);
    const double replaced = audio_->Seconds() + 0.1;
    EXPECT_EQ(Peak(Played(replaced + 0.3), static_cast<size_t>(replaced * kSamplesPerSecond)), 0);
}

TEST_F(Sound, WithoutADeviceEverythingAnswersAndPlaysNothing) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    e.DirectSoundInit();
    uint32_t tone = LoadTone(0.5);
    EXPECT_NE(tone, 0u);
    EXPECT_EQ(e.LoadSample(WriteFile("bad.wav", {'R', 'I', 'F', 'F'}).c_str(), 0, 0), 0u);
    e.SetSampleVolume(tone, 100);
    e.PlaySample(tone);
    e.PlayMusic(LEXO_FIXTURES_DIR "/engine/tone.mp3", 1);
    e.FreeSample(tone);
    e.QuitEngine();
}

}  // namespace
}  // namespace lexo::test
