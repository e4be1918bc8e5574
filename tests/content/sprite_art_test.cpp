#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "bmp_image.h"
#include "shipped_content.h"

namespace lexo::test {
namespace {

// Pure blue, the transparent colour of every sheet.
constexpr uint32_t kKey = 0x0000FF;

struct Cell {
    int x0, y0, width, height;
};

Cell CellOf(const SheetGeometry& sheet, int frame) {
    return {(frame - 1) % sheet.columns * sheet.frameWidth,
            (frame - 1) / sheet.columns * sheet.frameHeight, sheet.frameWidth, sheet.frameHeight};
}

int OpaquePixels(const RgbImage& image, const Cell& c) {
    int count = 0;
    for (int y = c.y0; y < c.y0 + c.height; ++y) {
        for (int x = c.x0; x < c.x0 + c.width; ++x) {
            count += image.At(x, y) != kKey;
        }
    }
    return count;
}

bool SameCells(const RgbImage& image, const Cell& a, const Cell& b) {
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (image.At(a.x0 + x, a.y0 + y) != image.At(b.x0 + x, b.y0 + y)) {
                return false;
            }
        }
    }
    return true;
}

int BitsPerPixel(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char header[30] = {};
    file.read(header, sizeof header);
    return static_cast<uint8_t>(header[28]) | static_cast<uint8_t>(header[29]) << 8;
}

RgbImage LoadSheet(const SheetGeometry& sheet) {
    std::optional<RgbImage> image = ReadBmp(GamePath("data/" + sheet.image));
    if (!image) {
        ADD_FAILURE() << sheet.image << " is not a readable bitmap";
        return {};
    }
    // Cells are only looked at in a sheet of the right size.
    if (image->width != sheet.columns * sheet.frameWidth ||
        image->height != sheet.rows * sheet.frameHeight) {
        ADD_FAILURE() << sheet.image << " does not match its geometry";
        return {};
    }
    return *image;
}

// The frames the timers can show that exist in the sheet.
int UsableFrames(const SheetGeometry& sheet) {
    return std::min(sheet.frameCount, sheet.columns * sheet.rows);
}

TEST(PlayerSheets, HaveTheSizesTheGameDraws) {
    const std::optional<RgbImage> player = ReadBmp(GamePath("data/player.bmp"));
    const std::optional<RgbImage> dead = ReadBmp(GamePath("data/dethplayer.bmp"));
    ASSERT_TRUE(player && dead);
    EXPECT_EQ(player->width, 3 * 78);
    EXPECT_EQ(player->height, 84);
    EXPECT_EQ(dead->width, 7 * 78);
    EXPECT_EQ(dead->height, 84);
}

TEST(SpriteSheets, FramesStandInsideATransparentBorder) {
    // A figure touching its cell's edge is cut off, and the key colour at the corners is
    // what makes the cell's background vanish.
    for (const SheetGeometry& sheet : AllShippedSheets()) {
        const RgbImage image = LoadSheet(sheet);
        if (image.pixels.empty()) continue;
        for (int frame = 1; frame <= UsableFrames(sheet); ++frame) {
            SCOPED_TRACE(sheet.image + " frame " + std::to_string(frame));
            const Cell c = CellOf(sheet, frame);
            int touching = 0;
            for (int x = 0; x < c.width; ++x) {
                touching += image.At(c.x0 + x, c.y0) != kKey;
                touching += image.At(c.x0 + x, c.y0 + c.height - 1) != kKey;
            }
            for (int y = 0; y < c.height; ++y) {
                touching += image.At(c.x0, c.y0 + y) != kKey;
                touching += image.At(c.x0 + c.width - 1, c.y0 + y) != kKey;
            }
            EXPECT_EQ(touching, 0);
        }
    }
}

TEST(SpriteSheets, EveryFrameShowsAFigureAndSpareCellsStayEmpty) {
    for (const SheetGeometry& sheet : AllShippedSheets()) {
        const RgbImage image = LoadSheet(sheet);
        if (image.pixels.empty()) continue;
        for (int frame = 1; frame <= sheet.columns * sheet.rows; ++frame) {
            SCOPED_TRACE(sheet.image + " cell " + std::to_string(frame));
            const Cell c = CellOf(sheet, frame);
            const int opaque = OpaquePixels(image, c);
            if (frame <= sheet.frameCount) {
                EXPECT_GE(opaque, c.width * c.height / 8);
            } else {
                EXPECT_EQ(opaque, 0);
            }
        }
    }
}

TEST(SpriteSheets, HaveNoBlueFringeAroundFigures) {
    // Edges blended toward the key colour would show as a blue halo on the meadow.
    for (const SheetGeometry& sheet : AllShippedSheets()) {
        const RgbImage image = LoadSheet(sheet);
        int bluish = 0;
        for (uint32_t p : image.pixels) {
            const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
            bluish += p != kKey && b >= 150 && b > r + 60 && b > g + 60;
        }
        EXPECT_EQ(bluish, 0) << sheet.image;
    }
}

TEST(SpriteSheets, AnimationsChangeFromFrameToFrame) {
    for (const SheetGeometry& sheet : AllShippedSheets()) {
        const RgbImage image = LoadSheet(sheet);
        if (image.pixels.empty()) continue;
        // A frame equal to the one before it would make the figure stall mid-step.
        for (int frame = 2; frame <= UsableFrames(sheet); ++frame) {
            EXPECT_FALSE(SameCells(image, CellOf(sheet, frame - 1), CellOf(sheet, frame)))
                << sheet.image << " frames " << frame - 1 << " and " << frame;
        }
        EXPECT_FALSE(SameCells(image, CellOf(sheet, 1), CellOf(sheet, UsableFrames(sheet))))
            << sheet.image;
    }
}

double Luminance(uint32_t rgb) {
    auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(rgb >> 16 & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) +
           0.0722 * linear(rgb & 0xFF);
}

TEST(Background, FillsTheFieldAsAPlainPicture) {
    const std::string path = GamePath("data/fon.bmp");
    const std::optional<RgbImage> field = ReadBmp(path);
    ASSERT_TRUE(field.has_value());
    EXPECT_EQ(field->width, 800);
    EXPECT_EQ(field->height, 512);
    EXPECT_EQ(BitsPerPixel(path), 24);
    // The background is drawn without a key; pure blue in it would only confuse tools that
    // look for the key colour.
    EXPECT_EQ(field->Count(kKey), 0);
}

TEST(Background, KeepsBlueWordsReadableEverywhere) {
    const std::optional<RgbImage> field = ReadBmp(GamePath("data/fon.bmp"));
    ASSERT_TRUE(field.has_value());
    // Contrast of pure blue text against each 8 x 8 patch, as the eye averages it.
    const double blue = Luminance(kKey);
    double worst = 1e9;
    for (int by = 0; by + 8 <= field->height; by += 8) {
        for (int bx = 0; bx + 8 <= field->width; bx += 8) {
            double sum = 0;
            for (int y = by; y < by + 8; ++y) {
                for (int x = bx; x < bx + 8; ++x) sum += Luminance(field->At(x, y));
            }
            worst = std::min(worst, (sum / 64 + 0.05) / (blue + 0.05));
        }
    }
    EXPECT_GE(worst, 3.0);
}

}  // namespace
}  // namespace lexo::test
