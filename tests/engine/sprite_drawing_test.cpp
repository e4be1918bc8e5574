// Textures and sprite sheets as the frame shows them: colour keys, sheet cells, mirroring,
// stretching, clipping, and what a new frame starts from.

#include <climits>

#include "engine_fixture.h"

namespace lexo::test {
namespace {

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;  // the sprites' key colour
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr int32_t kBlueKey = 0xFF0000;  // pure blue as the engine's colour

// A sheet of columns x rows cells of cellW x cellH, cell n (from 0) filled with colours[n].
RgbImage Sheet(int columns, int rows, int cellW, int cellH, const std::vector<uint32_t>& colours) {
    RgbImage sheet(columns * cellW, rows * cellH);
    for (int n = 0; n < columns * rows; ++n) {
        sheet.Fill(n % columns * cellW, n / columns * cellH, cellW, cellH, colours[n]);
    }
    return sheet;
}

using SpriteDrawing = EngineTest;

TEST_F(SpriteDrawing, KeyColourPixelsShowWhatLiesBelow) {
    Start(6, 2);
    RgbImage sprite(3, 1);
    sprite.Set(0, 0, kGreen);
    sprite.Set(1, 0, kBlue);
    sprite.Set(2, 0, 0x0000FE);  // one step off the key: drawn
    uint32_t background = LoadPicture(RgbImage(6, 2, kWhite), -1);
    uint32_t keyed = LoadPicture(sprite, kBlueKey);
    uint32_t unkeyed = LoadPicture(sprite, -1);
    // 0x0000FF in the engine's order is red, so this key leaves the blue pixel drawn.
    uint32_t redKeyed = LoadPicture(sprite, 0x0000FF);

    RgbImage screen = Picture([&] {
        e.DrawTexture2D_Simple(background, 0, 0, 6, 2, 0, 0);
        e.DrawTexture2D_Simple(keyed, 0, 0, 3, 1, 0, 0);
        e.DrawTexture2D_Simple(unkeyed, 3, 0, 3, 1, 0, 0);
        e.DrawTexture2D_Simple(redKeyed, 0, 1, 3, 1, 0, 0);
    });
    EXPECT_EQ(screen.At(0, 0), kGreen);
    EXPECT_EQ(screen.At(1, 0), kWhite);
    EXPECT_EQ(screen.At(2, 0), 0x0000FEu);
    EXPECT_EQ(screen.At(4, 0), kBlue);
    EXPECT_EQ(screen.At(1, 1), kBlue);
}

TEST_F(SpriteDrawing, FramesCountAlongARowThenDownTheSheet) {
    Start(2, 2);
    const std::vector<uint32_t> colours{0x100000, 0x200000, 0x300000, 0x400000, 0x500000, 0x600000};
    // A trailing column and row of another colour: cells are (width / 3) x (height / 2).
    RgbImage sheet(3 * 2 + 1, 2 * 2 + 1, kGreen);
    RgbImage cells = Sheet(3, 2, 2, 2, colours);
    for (int y = 0; y < cells.height; ++y) {
        for (int x = 0; x < cells.width; ++x) sheet.Set(x, y, cells.At(x, y));
    }
    uint32_t texture = LoadPicture(sheet, kBlueKey);
    for (int frame = 1; frame <= 6; ++frame) {
        RgbImage screen =
            Picture([&] { e.DrawSprite2D_Simple(texture, 0, 0, 2, 2, 3, 2, frame, false, 0); });
        EXPECT_EQ(screen.Count(colours[frame - 1]), 4) << "frame " << frame;
    }
}

TEST_F(SpriteDrawing, NothingIsDrawnForFramesOrSheetsThatDoNotExist) {
    Start(4, 4);
    uint32_t texture = LoadPicture(Sheet(2, 2, 2, 2, {kRed, kRed, kRed, kRed}), kBlueKey);
    RgbImage screen = Picture([&] {
        e.DrawSprite2D_Simple(texture, 0, 0, 4, 4, 2, 2, 0, false, 0);
        e.DrawSprite2D_Simple(texture, 0, 0, 4, 4, 2, 2, 5, false, 0);
        e.DrawSprite2D_Simple(texture, 0, 0, 4, 4, 2, 2, -1, false, 0);
        e.DrawSprite2D_Simple(texture, 0, 0, 4, 4, 0, 2, 1, false, 0);
        e.DrawSprite2D_Simple(texture, 0, 0, 4, 4, 2, -2, 1, false, 0);
        e.DrawSprite2D_Simple(texture, 0, 0, 0, 4, 2, 2, 1, false, 0);
        e.DrawSprite2D_Simple(texture, 0, 0, 4, -4, 2, 2, 1, false, 0);
        e.DrawSprite2D_Simple(texture, 0, 0, 4, 4, 5, 1, 1, false, 0);  // cells 0 pixels wide
        e.DrawSprite2D_Simple(texture, 0, 0, 4, 4, INT_MAX, INT_MAX, INT_MAX, false, 0);
    });
    EXPECT_EQ(screen.Count(kBlack), 16);
}

TEST_F(SpriteDrawing, MirroringFlipsTheCellLeftToRight) {
    Start(8, 4);
    // Cell 2 of a 2 x 1 sheet: a key-coloured hole on its right.
    RgbImage sheet(8, 2, kWhite);
    sheet.Fill(4, 0, 1, 2, kRed);
    sheet.Fill(5, 0, 1, 2, kGreen);
    sheet.Fill(7, 0, 1, 2, kBlue);
    for (int32_t key : {kBlueKey, -1}) {
        uint32_t texture = LoadPicture(sheet, key);
        RgbImage screen = Picture([&] {
            e.DrawSprite2D_Simple(texture, 0, 0, 4, 2, 2, 1, 2, true, 0);
            e.DrawSprite2D_Simple(texture, 0, 2, 8, 2, 2, 1, 2, true, 0);  // stretched twice
        });
        EXPECT_EQ(screen.At(0, 0), key < 0 ? kBlue : kBlack);
        EXPECT_EQ(screen.At(1, 0), kWhite);
        EXPECT_EQ(screen.At(2, 1), kGreen);
        EXPECT_EQ(screen.At(3, 1), kRed);
        EXPECT_EQ(screen.At(1, 2), key < 0 ? kBlue : kBlack);
        EXPECT_EQ(screen.At(4, 3), kGreen);
        EXPECT_EQ(screen.At(7, 3), kRed);
    }
}

TEST_F(SpriteDrawing, StretchingSamplesTheNearestPixel) {
    Start(6, 6);
    RgbImage picture(2, 2);
    picture.Set(0, 0, kRed);
    picture.Set(1, 0, kGreen);
    picture.Set(0, 1, kWhite);
    picture.Set(1, 1, kBlue);
    uint32_t texture = LoadPicture(picture, -1);
    RgbImage big = Picture([&] { e.DrawTexture2D_Simple(texture, 0, 0, 6, 4, 0, 0); });
    EXPECT_EQ(big.Count(kRed), 6);
    EXPECT_EQ(big.At(2, 1), kRed);
    EXPECT_EQ(big.At(3, 1), kGreen);
    EXPECT_EQ(big.At(3, 2), kBlue);
    EXPECT_EQ(big.Count(kBlack), 12);

    RgbImage quarters(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) quarters.Set(x, y, uint32_t(x) << 16 | uint32_t(y) << 8);
    }
    uint32_t shrunk = LoadPicture(quarters, kBlueKey);
    RgbImage small = Picture([&] { e.DrawTexture2D_Simple(shrunk, 0, 0, 2, 2, 0, 0); });
    EXPECT_EQ(small.At(0, 0), 0x010100u);
    EXPECT_EQ(small.At(1, 1), 0x030300u);
}

TEST_F(SpriteDrawing, DrawsAreClippedAtTheFrameEdges) {
    Start(10, 10);
    RgbImage picture(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) picture.Set(x, y, 0x100000u * (x + 1) + 0x10u * (y + 1));
    }
    for (int32_t key : {-1, kBlueKey}) {
        uint32_t texture = LoadPicture(picture, key);
        for (bool mirror : {false, true}) {
            RgbImage screen = Picture([&] {
                e.DrawSprite2D_Simple(texture, -2, -3, 4, 4, 1, 1, 1, mirror, 0);
                e.DrawSprite2D_Simple(texture, 8, 9, 4, 4, 1, 1, 1, mirror, 0);
                e.DrawSprite2D_Simple(texture, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 1, 1, 1, mirror,
                                      0);
                e.DrawSprite2D_Simple(texture, INT_MIN, 5, INT_MAX, 1, 1, 1, 1, mirror, 0);
            });
            int column = mirror ? 1 : 2;  // picture column at frame column 0
            EXPECT_EQ(screen.At(0, 0), picture.At(column, 3));
            EXPECT_EQ(screen.At(1, 0), picture.At(mirror ? 0 : 3, 3));
            EXPECT_EQ(screen.At(9, 9), picture.At(mirror ? 2 : 1, 0));
            EXPECT_EQ(screen.At(5, 1), kBlack);
            EXPECT_EQ(screen.At(9, 5), kBlack);
        }
    }
    uint32_t texture = LoadPicture(picture, -1);
    // A picture stretched a million times over: the frame shows part of one picture pixel.
    RgbImage screen = Picture(
        [&] { e.DrawTexture2D_Simple(texture, -2000000, -2000000, 4000000, 4000000, 0, 0); });
    EXPECT_EQ(screen.Count(picture.At(2, 2)), 100);
}

TEST_F(SpriteDrawing, EveryFrameStartsBlackAndLaterDrawsCoverEarlierOnes) {
    Start(5, 3);
    uint32_t wide = LoadPicture(RgbImage(4, 2, kWhite), -1);
    uint32_t dot = LoadPicture(RgbImage(1, 1, kRed), kBlueKey);
    RgbImage first = Picture([&] {
        e.DrawTexture2D_Simple(wide, 1, 1, 4, 2, 0, 0);
        e.DrawTexture2D_Simple(dot, 2, 2, 1, 1, 0, 0);
    });
    EXPECT_EQ(first.Count(kWhite), 7);
    EXPECT_EQ(first.At(2, 2), kRed);
    EXPECT_EQ(first.Count(kBlack), 7);
    // Nothing of the earlier frames survives into a new one.
    RgbImage second = Picture([&] { e.DrawTexture2D_Simple(dot, 0, 0, 1, 1, 0, 0); });
    EXPECT_EQ(second.At(0, 0), kRed);
    EXPECT_EQ(second.Count(kBlack), 14);
    EXPECT_EQ(Picture([] {}).Count(kBlack), 15);
}

}  // namespace
}  // namespace lexo::test
