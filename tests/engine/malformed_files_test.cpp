// Content files the engine cannot use: every load answers 0 at once and nothing breaks.

#include <sys/stat.h>

#include <chrono>

#include "engine_fixture.h"

namespace lexo::test {
namespace {

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<uint8_t> Truncated(std::vector<uint8_t> bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

class MalformedFiles : public EngineTest {
  protected:
    // Loads a file of these bytes with every loader of the engine.
    void ExpectRejected(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::string path = WriteFile(name, bytes);
        EXPECT_EQ(e.LoadTextureFromFile(path.c_str(), 0, -1), 0u) << name;
        EXPECT_EQ(e.LoadFontFromFile(path.c_str()), 0u) << name;
        EXPECT_EQ(e.LoadSample(path.c_str(), 0, 0), 0u) << name;
        e.PlayMusic(path.c_str(), 1);
    }
};

TEST_F(MalformedFiles, BrokenBitmapsAreRefused) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    e.DirectSoundInit();
    const std::vector<uint8_t> good = EncodeBmp(RgbImage(5, 3, 0x123456));
    ASSERT_NE(e.LoadTextureFromFile(WriteFile("good.bmp", good).c_str(), 0, -1), 0u);
    for (size_t size :
         {size_t{0}, size_t{2}, size_t{14}, size_t{53}, size_t{54}, good.size() - 1}) {
        ExpectRejected("truncated" + std::to_string(size) + ".bmp", Truncated(good, size));
    }
    auto changed = [&](size_t at, uint32_t value) {
        std::vector<uint8_t> bytes = good;
        PutU32(bytes, at, value);
        return bytes;
    };
    ExpectRejected("huge.bmp", changed(18, 100000));         // width
    ExpectRejected("tall.bmp", changed(22, 0x7FFFFFFF));     // height
    ExpectRejected("flipped.bmp", changed(22, 0x80000000));  // height INT_MIN
    ExpectRejected("offset.bmp", changed(10, 0xFFFFFFF0));   // pixel data offset
    ExpectRejected("depth2.bmp", changed(26, 2 << 16 | 1));  // 1 plane, 2 bits per pixel
    ExpectRejected("depth64.bmp", changed(26, 64 << 16 | 1));
    ExpectRejected("nopalette.bmp", changed(26, 8 << 16 | 1));  // 8 bits, palette missing
    ExpectRejected("compressed.bmp", changed(30, 1));           // BI_RLE8 on 24 bits
    ExpectRejected("header.bmp", changed(14, 0xFFFFFFFF));      // info header size
    ExpectRejected("text.bmp", {'h', 'e', 'l', 'l', 'o'});
}

TEST_F(MalformedFiles, PathsThatAreNoFileAnswerAtOnce) {
    const std::string fifo = dir.File("pipe.bmp");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto started = std::chrono::steady_clock::now();
    for (const std::string& path : {fifo, dir.Path(), dir.File("missing.bmp"), std::string()}) {
        EXPECT_EQ(e.LoadTextureFromFile(path.c_str(), 0, -1), 0u) << path;
        EXPECT_EQ(e.LoadFontFromFile(path.c_str()), 0u) << path;
        EXPECT_EQ(e.LoadSample(path.c_str(), 0, 0), 0u) << path;
        e.PlayMusic(path.c_str(), 1);
    }
    EXPECT_EQ(e.LoadTextureFromFile(nullptr, 0, -1), 0u);
    EXPECT_EQ(e.LoadFontFromFile(nullptr), 0u);
    EXPECT_EQ(e.LoadSample(nullptr, 0, 0), 0u);
    e.PlayMusic(nullptr, 1);
    // A pipe must never be opened in a way that waits for a writer.
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
}

TEST_F(MalformedFiles, BrokenFontsAndSoundsAreRefused) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    e.DirectSoundInit();
    std::vector<uint8_t> font(40 + 256 * 16 + 4, 0);
    const uint8_t header[] = {'D', 'F', 'T', 0x1A, 1, 0, 40, 0, 0, 1, 16, 0,
                              10,  0,   8,   0,    2, 0, 2,  0, 1, 0, 0,  0};
    std::copy(std::begin(header), std::end(header), font.begin());
    PutU32(font, 28, 40);
    PutU32(font, 32, 40 + 256 * 16);
    PutU32(font, 36, 4);
    ASSERT_NE(e.LoadFontFromFile(WriteFile("good.dft", font).c_str()), 0u);
    ExpectRejected("short.dft", Truncated(font, font.size() - 1));
    std::vector<uint8_t> vast = font;
    vast[16] = vast[17] = vast[18] = vast[19] = 0xFF;  // a 65535 x 65535 atlas in a tiny file
    PutU32(vast, 36, 0xFFFE0001);
    ExpectRejected("vast.dft", vast);

    std::vector<uint8_t> wav{'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0xFF, 'W', 'A', 'V', 'E',
                             'f', 'm', 't', ' ', 0xFF, 0xFF, 0xFF, 0x7F, 1,   0,   1,   0};
    ExpectRejected("fmt.wav", wav);
    ExpectRejected("riff.wav", Truncated(wav, 12));
    ExpectRejected("noise.mp3", std::vector<uint8_t>(4096, 0x5A));
    ExpectRejected("id3.mp3", {'I', 'D', '3', 4, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F, 0xFF, 0xFB});
}

}  // namespace
}  // namespace lexo::test
