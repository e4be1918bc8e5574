#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "art/bmp_writer.h"
#include "art/sprite_canvas.h"
#include "art/sprite_sheet.h"
#include "bmp_image.h"
#include "temp_dir.h"

namespace lexo::test {
namespace {

uint32_t Packed(Rgb c) { return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b; }

TEST(ArtBmpWriter, PadsRowsAndKeepsEveryPixelInPlace) {
    // Five pixels of three bytes leave a row one byte short of a multiple of four.
    Image image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) image.At(x, y) = {uint8_t(x * 50), uint8_t(y * 90), 7};
    }
    TempDir dir;
    WriteBmp(dir.File("odd.bmp"), image);
    EXPECT_EQ(std::filesystem::file_size(dir.File("odd.bmp")), 54u + 3 * 16);
    const std::optional<RgbImage> read = ReadBmp(dir.File("odd.bmp"));
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->width, 5);
    ASSERT_EQ(read->height, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(read->At(x, y), Packed(image.At(x, y))) << x << "," << y;
    }
}

TEST(ArtBmpWriter, ReportsAFileItCannotWrite) {
    TempDir dir;
    EXPECT_THROW(WriteBmp(dir.File("no-such-folder/x.bmp"), Image(2, 2)), std::runtime_error);
}

TEST(SpriteCanvas, GivesHardEdgesThatNeverBlendTowardTheKey) {
    SpriteCanvas canvas(20, 20);
    canvas.Fill(Circle({10.0f, 10.0f}, 7.3f), Body({200, 60, 40}));
    const Image frame = canvas.Resolve();
    int solid = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const Rgb p = frame.At(x, y);
            if (p == kKeyColour) continue;
            ++solid;
            // Red body, darker red edge: any blue in a pixel would be the key bleeding in.
            EXPECT_LT(p.b, 60) << x << "," << y;
        }
    }
    // About the circle's area.
    EXPECT_NEAR(solid, 3.14159 * 7.3 * 7.3, 12);
}

TEST(SpriteCanvas, NeverTurnsAVisiblePixelIntoTheKey) {
    SpriteCanvas canvas(8, 8);
    canvas.Fill(Polygon({{1, 1}, {7, 1}, {7, 7}, {1, 7}}), Flat(kKeyColour));
    const Image frame = canvas.Resolve();
    EXPECT_EQ(frame.At(4, 4), (Rgb{0, 0, 254}));
    EXPECT_EQ(frame.At(0, 0), kKeyColour);
}

TEST(SpriteCanvas, PlacesShapesThroughItsTransform) {
    SpriteCanvas canvas(30, 10);
    canvas.SetTransform(Transform::Translation({20.0f, 0.0f}));
    canvas.Fill(Circle({3.0f, 5.0f}, 2.5f), Flat({10, 200, 10}));
    canvas.SetTransform(Transform::MirrorX(15.0f));
    // Drawn at x = 26, mirrored about x = 15 to x = 4.
    canvas.Fill(Circle({26.0f, 5.0f}, 2.5f), Flat({200, 10, 10}));
    const Image frame = canvas.Resolve();
    EXPECT_EQ(frame.At(23, 5), (Rgb{10, 200, 10}));
    EXPECT_EQ(frame.At(3, 5), (Rgb{200, 10, 10}));
    EXPECT_EQ(frame.At(26, 5), kKeyColour);
    EXPECT_EQ(frame.At(15, 5), kKeyColour);
}

TEST(ComposeSheet, LaysFramesOutRowByRowAndLeavesSpareCellsClear) {
    const SheetLayout layout{"t.bmp", 2, 2, 3, 2, 4};
    std::vector<Image> frames;
    for (uint8_t n = 1; n <= 4; ++n) frames.emplace_back(2, 2, Rgb{n, n, n});
    const Image sheet = ComposeSheet(layout, frames);
    ASSERT_EQ(sheet.Width(), 6);
    ASSERT_EQ(sheet.Height(), 4);
    EXPECT_EQ(sheet.At(0, 0).r, 1);
    EXPECT_EQ(sheet.At(5, 1).r, 3);
    // Frame 4 opens the second row.
    EXPECT_EQ(sheet.At(1, 3).r, 4);
    EXPECT_EQ(sheet.At(2, 2), kKeyColour);
    EXPECT_EQ(sheet.At(5, 3), kKeyColour);
}

TEST(ComposeSheet, RejectsFramesThatDoNotFitTheLayout) {
    const std::vector<Image> seven(7, Image(2, 2, Rgb{9, 9, 9}));
    EXPECT_THROW(ComposeSheet({"t.bmp", 2, 2, 3, 2, 7}, seven), std::logic_error);
    const std::vector<Image> wrongSize(2, Image(3, 2, Rgb{9, 9, 9}));
    EXPECT_THROW(ComposeSheet({"t.bmp", 2, 2, 2, 1, 2}, wrongSize), std::logic_error);
    EXPECT_THROW(ComposeSheet({"t.bmp", 2, 2, 2, 1, 2}, seven), std::logic_error);
}

}  // namespace
}  // namespace lexo::test
