// Content files too big for the engine, made at run time: refused at once, before they are read
// whole, and never allowed to take memory without bound.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "hostile_corpus.h"
#include "hostile_fixtures.h"
#include "isolated_run.h"
#include "temp_dir.h"

namespace lexo::hostile {
namespace {

using namespace std::chrono_literals;

class EngineLimits : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(Engine().Loaded()) << Engine().Error(); }

    // A file of `size` bytes that starts with `head` and takes no disk space beyond it.
    std::string Sparse(const std::string& name, const Bytes& head, off_t size) {
        const std::string path = temp_.File(name);
        WriteFile(path, std::string(head.begin(), head.end()));
        EXPECT_EQ(truncate(path.c_str(), size), 0);
        return path;
    }

    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::string path = temp_.File(name);
        WriteFile(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }

    // Runs the loads in a child process; its report is "1" for every load that gave a handle.
    std::string InChild(const std::function<std::string(test::LoadedEngine&)>& loads) {
        const ChildResult result = RunIsolated(
            [&] {
                unsetenv("DISPLAY");
                setenv("SDL_AUDIODRIVER", "dummy", 1);
                test::LoadedEngine& e = Engine();
                e.SetEngineInitParametrs(64, 48, 32, 0, 0, 0, 0, 1);
                e.StartEngine_DrawToPanel(0);
                e.DirectSoundInit();
                return loads(e);
            },
            60s);
        EXPECT_TRUE(result.ExitedCleanly()) << result.Describe();
        return result.report;
    }

    test::TempDir temp_;
};

// A one-bit-per-pixel bitmap of the given sides: a small file for many pixels.
Bytes OneBit(int32_t width, int32_t height) {
    BitmapShape shape;
    shape.width = width;
    shape.height = height;
    shape.bits = 1;
    shape.palette = {0x000000, 0xFFFFFF};
    shape.value = [](int x, int y) { return static_cast<uint32_t>((x ^ y) & 1); };
    return Bitmap(shape);
}

TEST_F(EngineLimits, FilesOverTheSizeLimitsAreRefusedWithoutBeingRead) {
    const std::string picture = Sparse("huge.bmp", Bitmap(BitmapShape{}), 300 << 20);
    const std::string font = Sparse("huge.dft", ValidFont(false), 70 << 20);
    const std::string sample = Sparse("huge.wav", FromText("RIFF\xFF\xFF\xFF\x0FWAVE"), 70 << 20);
    const std::string music = Sparse("huge.mp3", {0xFF, 0xFB, 0x90, 0x64}, 70 << 20);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(InChild([&](test::LoadedEngine& e) {
                  e.PlayMusic(music.c_str(), 1);
                  return std::to_string(e.LoadTextureFromFile(picture.c_str(), 0, -1)) +
                         std::to_string(e.LoadFontFromFile(font.c_str())) +
                         std::to_string(e.LoadSample(sample.c_str(), 0, 0));
              }),
              "000");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
}

TEST_F(EngineLimits, APictureOfTooManyPixelsIsRefused) {
    // 4096 x 4096 is the most; one row more, in a file of 2 MB, would be 64 MiB of pixels more.
    const std::string largest = Write("largest.bmp", OneBit(4096, 4096));
    const std::string over = Write("over.bmp", OneBit(4096, 4097));
    const std::string bomb = Write("bomb.bmp", OneBit(16384, 16384));
    EXPECT_EQ(InChild([&](test::LoadedEngine& e) {
                  return std::to_string(e.LoadTextureFromFile(largest.c_str(), 0, -1) != 0) +
                         std::to_string(e.LoadTextureFromFile(over.c_str(), 0, -1) != 0) +
                         std::to_string(e.LoadTextureFromFile(bomb.c_str(), 0, -1) != 0);
              }),
              "100");
}

TEST_F(EngineLimits, LoadedPicturesShareOneBudgetThatQuittingReturns) {
    // Four of the largest pictures fill the budget; a fifth load fails, a small one too, and
    // the pictures already loaded still draw. After QuitEngine the budget is free again.
    const std::string largest = Write("largest.bmp", OneBit(4096, 4096));
    const std::string small = Write("small.bmp", OneBit(8, 8));
    const std::string screen = temp_.File("screen.bmp");
    EXPECT_EQ(InChild([&](test::LoadedEngine& e) {
                  std::string loads;
                  for (int i = 0; i < 5; ++i) {
                      loads += std::to_string(e.LoadTextureFromFile(largest.c_str(), 0, -1) != 0);
                  }
                  loads += std::to_string(e.LoadTextureFromFile(small.c_str(), 0, -1) != 0);
                  e.Begin2D();
                  e.DrawTexture2D_Simple(1, 0, 0, 64, 48, 0, 0);
                  e.End2D();
                  e.PrintScreen(screen.c_str());
                  loads +=
                      ReadFile(screen).find('\xFF') != std::string::npos ? " drawn " : " none ";
                  e.QuitEngine();
                  e.StartEngine_DrawToPanel(0);
                  loads += std::to_string(e.LoadTextureFromFile(largest.c_str(), 0, -1) != 0);
                  return loads;
              }),
              "111100 drawn 1");
}

}  // namespace
}  // namespace lexo::hostile
