#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "bmp_image.h"
#include "loaded_engine.h"
#include "temp_dir.h"

namespace lexo::test {

// The DGLEngine.so of this build, opened once per test process.
LoadedEngine& Engine();

// Registers a lambda as the engine procedure of a kind (0 ... 3); an empty one unregisters.
void SetProcedure(int kind, std::function<void()> procedure);

// Engine colours are 0x00BBGGRR; test pictures are 0xRRGGBB.
constexpr int32_t ColourRef(uint32_t rgb) {
    return static_cast<int32_t>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

// A test of the engine through its C entries. Each test starts from a quit engine and quits it
// again at the end; files live in a folder of the test's own.
class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the engine without a window on a frame of the given size.
    void Start(int width, int height);

    // One picture: Begin2D, the draws, End2D; then what PrintScreen writes.
    template <typename Draws>
    RgbImage Picture(Draws draws) {
        e.Begin2D();
        draws();
        e.End2D();
        return Screenshot();
    }
    // The last completed frame, through PrintScreen.
    RgbImage Screenshot();
    // What the panel shows after one more EngineMainDraw, through the picture asked for with
    // SIGUSR1.
    RgbImage Shown();

    // Writes a picture as a BMP of the test's folder and loads it as a texture.
    uint32_t LoadPicture(const RgbImage& picture, int32_t colourKey);
    // Writes bytes into a file of the test's folder; returns its path.
    std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes);

    LoadedEngine& e = Engine();
    TempDir dir;

  private:
    int files_ = 0;
};

}  // namespace lexo::test
