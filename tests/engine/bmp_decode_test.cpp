// The engine's BMP reader on the bitmap kinds it accepts and on damaged ones.

#include <gtest/gtest.h>

#include "bmp.h"

namespace lexo {
namespace {

// What a test bitmap is made of; rows are given as stored, without their padding.
struct BmpShape {
    uint32_t headerSize = 40;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> masks;    // red, green, blue
    std::vector<uint32_t> palette;  // 0xRRGGBB
    uint32_t coloursUsed = 0;
    std::vector<std::vector<uint8_t>> rows;
};

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

std::vector<uint8_t> Build(const BmpShape& shape) {
    std::vector<uint8_t> info;
    if (shape.headerSize == 12) {
        Put(info, shape.width, 2);
        Put(info, shape.height, 2);
        Put(info, 1, 2);
        Put(info, shape.bitsPerPixel, 2);
    } else {
        Put(info, shape.width, 4);
        Put(info, static_cast<uint32_t>(shape.height), 4);
        Put(info, 1, 2);
        Put(info, shape.bitsPerPixel, 2);
        for (uint32_t v : {shape.compression, 0u, 0u, 0u, shape.coloursUsed, 0u}) Put(info, v, 4);
        for (uint32_t mask : shape.masks) Put(info, mask, 4);
        info.resize(shape.headerSize - 4 + (shape.headerSize == 40 ? shape.masks.size() * 4 : 0),
                    0);
    }
    std::vector<uint8_t> table;
    for (uint32_t colour : shape.palette) Put(table, colour, shape.headerSize == 12 ? 3 : 4);
    const uint32_t dataOffset = static_cast<uint32_t>(14 + 4 + info.size() + table.size());
    std::vector<uint8_t> out{'B', 'M'};
    Put(out, 0, 4);
    Put(out, 0, 4);
    Put(out, dataOffset, 4);
    Put(out, shape.headerSize, 4);
    out.insert(out.end(), info.begin(), info.end());
    out.insert(out.end(), table.begin(), table.end());
    for (const auto& row : shape.rows) {
        out.insert(out.end(), row.begin(), row.end());
        out.resize((out.size() - dataOffset + 3) / 4 * 4 + dataOffset, 0);
    }
    return out;
}

BmpShape Shape(int32_t width, int32_t height, uint16_t bitsPerPixel) {
    BmpShape shape;
    shape.width = width;
    shape.height = height;
    shape.bitsPerPixel = bitsPerPixel;
    return shape;
}

uint32_t Rgb(const Image& image, int x, int y) { return image.Row(y)[x] & 0xFFFFFF; }

TEST(DecodeBmp, IndexedPicturesTakeTheirColoursFromThePalette) {
    BmpShape one = Shape(10, 1, 1);
    one.palette = {0x112233, 0xAABBCC};
    one.rows = {{0b10100000, 0b01000000}};
    std::optional<Image> image = DecodeBmp(Build(one));
    ASSERT_TRUE(image);
    EXPECT_EQ(Rgb(*image, 0, 0), 0xAABBCCu);
    EXPECT_EQ(Rgb(*image, 1, 0), 0x112233u);
    EXPECT_EQ(Rgb(*image, 2, 0), 0xAABBCCu);
    EXPECT_EQ(Rgb(*image, 9, 0), 0xAABBCCu);

    BmpShape four = Shape(3, 1, 4);
    four.palette = {0, 0xFF0000, 0x00FF00};
    four.coloursUsed = 3;
    four.rows = {{0x21, 0x70}};  // index 7 lies past the palette: black
    image = DecodeBmp(Build(four));
    ASSERT_TRUE(image);
    EXPECT_EQ(Rgb(*image, 0, 0), 0x00FF00u);
    EXPECT_EQ(Rgb(*image, 1, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(*image, 2, 0), 0u);

    BmpShape eight = Shape(2, 2, 8);
    eight.palette = {1, 2, 3};
    eight.coloursUsed = 3;
    eight.rows = {{0, 1}, {2, 2}};  // bottom row first
    image = DecodeBmp(Build(eight));
    ASSERT_TRUE(image);
    EXPECT_EQ(Rgb(*image, 0, 1), 1u);
    EXPECT_EQ(Rgb(*image, 1, 0), 3u);
    eight.coloursUsed = 257;
    EXPECT_FALSE(DecodeBmp(Build(eight)));
}

TEST(DecodeBmp, BitFieldMasksPlaceTheChannels) {
    BmpShape rgb555 = Shape(2, 1, 16);
    rgb555.rows = {{0x00, 0x7C, 0xE0, 0x03}};
    std::optional<Image> image = DecodeBmp(Build(rgb555));
    ASSERT_TRUE(image);
    EXPECT_EQ(Rgb(*image, 0, 0), 0xFF0000u);
    EXPECT_EQ(Rgb(*image, 1, 0), 0x00FF00u);

    BmpShape rgb565 = Shape(1, 1, 16);
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    rgb565.rows = {{0xE0, 0x07}};
    image = DecodeBmp(Build(rgb565));
    ASSERT_TRUE(image);
    EXPECT_EQ(Rgb(*image, 0, 0), 0x00FF00u);

    // A 124-byte header holds the masks itself; here red and blue trade places.
    BmpShape swapped = Shape(1, 1, 32);
    swapped.headerSize = 124;
    swapped.compression = 3;
    swapped.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    swapped.rows = {{0x11, 0x22, 0x33, 0x00}};
    image = DecodeBmp(Build(swapped));
    ASSERT_TRUE(image);
    EXPECT_EQ(Rgb(*image, 0, 0), 0x112233u);

    swapped.masks = {0x00FF00FF, 0x0000FF00, 0};  // red in two pieces
    EXPECT_FALSE(DecodeBmp(Build(swapped)));
    rgb565.masks = {0x1F800, 0x07E0, 0x001F};  // beyond 16 bits
    EXPECT_FALSE(DecodeBmp(Build(rgb565)));
}

TEST(DecodeBmp, RowsMayRunEitherWayAndOldHeadersWork) {
    BmpShape shape = Shape(1, -2, 24);
    shape.rows = {{0x03, 0x02, 0x01}, {0x06, 0x05, 0x04}};
    std::optional<Image> topDown = DecodeBmp(Build(shape));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(Rgb(*topDown, 0, 0), 0x010203u);
    shape.headerSize = 12;
    shape.height = 2;
    std::optional<Image> core = DecodeBmp(Build(shape));
    ASSERT_TRUE(core);
    EXPECT_EQ(Rgb(*core, 0, 0), 0x040506u);
}

TEST(DecodeBmp, EveryTruncatedFileIsRefused) {
    BmpShape shape = Shape(3, 2, 8);
    shape.palette = {0x10, 0x20, 0x30};
    shape.coloursUsed = 3;
    shape.rows = {{0, 1, 2}, {2, 1, 0}};
    const std::vector<uint8_t> whole = Build(shape);
    ASSERT_TRUE(DecodeBmp(whole));
    for (size_t size = 0; size < whole.size(); ++size) {
        EXPECT_FALSE(DecodeBmp(std::span(whole.data(), size))) << size;
    }
}

TEST(DecodeBmp, WhatTheEngineWritesItReadsBack) {
    Image image;
    image.width = 3;
    image.height = 2;
    image.pixels = {PixelFromRgb(1, 2, 3),    PixelFromRgb(4, 5, 6),    PixelFromRgb(7, 8, 9),
                    PixelFromRgb(10, 11, 12), PixelFromRgb(13, 14, 15), PixelFromRgb(16, 17, 18)};
    std::vector<uint8_t> bytes = EncodeBmp24(image);
    EXPECT_EQ(bytes.size(), 54u + 2 * 12);
    std::optional<Image> back = DecodeBmp(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->pixels, image.pixels);
}

}  // namespace
}  // namespace lexo
