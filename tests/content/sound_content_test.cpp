#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "shipped_content.h"
#include "wav_reader.h"

namespace lexo::test {
namespace {

void ExpectPlayablePcm(const WavSound& sound) {
    EXPECT_EQ(sound.format, 1);
    EXPECT_EQ(sound.bitsPerSample, 16);
    EXPECT_TRUE(sound.sampleRate == 44100 || sound.sampleRate == 22050) << sound.sampleRate;
    EXPECT_TRUE(sound.channels == 1 || sound.channels == 2) << sound.channels;
    // Audible, yet with headroom: a sample at full scale means the sound was clipped.
    EXPECT_LT(sound.Peak(), 32000);
    EXPECT_GT(sound.Rms(), 0.02);
}

TEST(Sounds, ShotIsAShortPcmSample) {
    const std::optional<WavSound> fire = ReadWav(GamePath("data/fire.wav"));
    ASSERT_TRUE(fire.has_value());
    ExpectPlayablePcm(*fire);
    // Shots can follow each other quickly; a long sample would pile up.
    EXPECT_GT(fire->Seconds(), 0.05);
    EXPECT_LT(fire->Seconds(), 0.4);
}

TEST(Sounds, DeathSoundLastsAboutAsLongAsTheFall) {
    const std::optional<WavSound> die = ReadWav(GamePath("data/die.wav"));
    ASSERT_TRUE(die.has_value());
    ExpectPlayablePcm(*die);
    EXPECT_GT(die->Seconds(), 0.8);
    EXPECT_LT(die->Seconds(), 2.0);
}

// Bit rates of MPEG-1 Layer III frames, in kbit/s, by the header's bit-rate index.
constexpr int kLayer3Kbps[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                 112, 128, 160, 192, 224, 256, 320, 0};
constexpr int kMpeg1Rates[4] = {44100, 48000, 32000, 0};

TEST(Music, IsAnMp3OfAtLeastHalfAMinute) {
    std::ifstream file(GamePath("data/music.mp3"), std::ios::binary);
    const std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)),
                                 std::istreambuf_iterator<char>());
    ASSERT_GT(b.size(), 10u);
    EXPECT_LT(b.size(), 1500u * 1024u);

    size_t at = 0;
    if (std::memcmp(b.data(), "ID3", 3) == 0) {
        // An ID3v2 tag: ten header bytes and a size in four 7-bit bytes.
        at = 10 + (size_t(b[6]) << 21 | size_t(b[7]) << 14 | size_t(b[8]) << 7 | b[9]);
    }
    ASSERT_LT(at + 4, b.size());
    ASSERT_EQ(b[at], 0xFF);
    ASSERT_EQ(b[at + 1] & 0xE0, 0xE0) << "no frame sync";
    // MPEG-1 (version bits 11), Layer III (layer bits 01).
    EXPECT_EQ(b[at + 1] >> 3 & 3, 3);
    EXPECT_EQ(b[at + 1] >> 1 & 3, 1);
    const int kbps = kLayer3Kbps[b[at + 2] >> 4];
    const int rate = kMpeg1Rates[b[at + 2] >> 2 & 3];
    ASSERT_GT(kbps, 0);
    EXPECT_TRUE(rate == 44100 || rate == 48000) << rate;
    EXPECT_LE(kbps, 160);
    // At a constant bit rate the length follows from the size.
    const double seconds = static_cast<double>(b.size() - at) * 8 / (kbps * 1000.0);
    EXPECT_GE(seconds, 30.0);
}

}  // namespace
}  // namespace lexo::test
