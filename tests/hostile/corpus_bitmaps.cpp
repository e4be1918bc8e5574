#include <cstdlib>
#include <functional>
#include <string>

#include "hostile_corpus.h"

namespace lexo::hostile {
namespace {

// Offsets of the fields the broken files change.
constexpr size_t kFileSize = 2;
constexpr size_t kDataOffset = 10;
constexpr size_t kInfoSize = 14;
constexpr size_t kWidth = 18;
constexpr size_t kHeight = 22;
constexpr size_t kPlanes = 26;
constexpr size_t kBits = 28;
constexpr size_t kCompression = 30;
constexpr size_t kColoursUsed = 46;

uint32_t Colourful(int x, int y) { return 0x204080u + x * 0x3311u + y * 0x110033u; }

Bytes PixelRows(const BitmapShape& shape) {
    Bytes rows;
    const int height = std::abs(shape.height);
    const size_t rowBits = static_cast<size_t>(shape.width) * shape.bits;
    const size_t stride = (rowBits + 31) / 32 * 4;
    for (int y = 0; y < height; ++y) {
        Bytes row(stride, 0);
        for (int x = 0; x < shape.width; ++x) {
            const uint32_t v = shape.value ? shape.value(x, y) : Colourful(x, y);
            const size_t bit = static_cast<size_t>(x) * shape.bits;
            if (shape.bits < 8) {
                row[bit / 8] |= static_cast<uint8_t>((v & ((1u << shape.bits) - 1))
                                                     << (8 - shape.bits - bit % 8));
            } else {
                for (size_t i = 0; i < shape.bits / 8u; ++i)
                    row[bit / 8 + i] = static_cast<uint8_t>(v >> (8 * i));
            }
        }
        rows.insert(rows.end(), row.begin(), row.end());
    }
    return rows;
}

BitmapShape Valid24() { return BitmapShape{}; }

BitmapShape Indexed(uint16_t bits, uint32_t colours) {
    BitmapShape shape;
    shape.width = 9;
    shape.bits = bits;
    for (uint32_t i = 0; i < colours; ++i) shape.palette.push_back(0xFF0000u / (i + 1) + i * 0x50u);
    if (colours < (1u << bits)) shape.coloursUsed = colours;
    shape.value = [colours](int x, int y) { return static_cast<uint32_t>(x + 2 * y) % colours; };
    return shape;
}

Bytes With32(Bytes bytes, size_t at, uint32_t value) {
    SetU32(bytes, at, value);
    return bytes;
}

Bytes With16(Bytes bytes, size_t at, uint32_t value) {
    SetU16(bytes, at, value);
    return bytes;
}

using AddFile = std::function<void(const std::string& name, Bytes bytes)>;

BitmapShape Bitfields16() {
    BitmapShape shape;
    shape.bits = 16;
    shape.compression = 3;
    shape.masks = {0xF800, 0x07E0, 0x001F};
    shape.value = [](int x, int y) { return static_cast<uint32_t>(0x1234 * (x + 1) + 0x777 * y); };
    return shape;
}

// Kinds the engine reads.
void AddReadable(const AddFile& add) {
    const Bytes good = Bitmap(Valid24());
    add("valid-24bit.bmp", good);
    add("valid-1bit.bmp", Bitmap(Indexed(1, 2)));
    add("valid-4bit.bmp", Bitmap(Indexed(4, 16)));
    add("valid-8bit.bmp", Bitmap(Indexed(8, 5)));
    add("valid-16bit-bitfields.bmp", Bitmap(Bitfields16()));
    BitmapShape topDown;
    topDown.bits = 32;
    topDown.height = -3;
    add("valid-32bit-top-down.bmp", Bitmap(topDown));
    // The OS/2 header has no colour count: its palette is always complete.
    BitmapShape os2 = Indexed(8, 3);
    os2.headerSize = 12;
    os2.palette.resize(256, 0x00FF00);
    add("valid-os2-header.bmp", Bitmap(os2));
    // Indices past the stored palette show black; the bitmap still loads.
    BitmapShape pastPalette = Indexed(8, 2);
    pastPalette.coloursUsed = 2;
    pastPalette.value = [](int x, int) { return x % 2 == 0 ? 200u : 1u; };
    add("palette-index-out-of-range.bmp", Bitmap(pastPalette));
    // The file-size field is not needed to read a bitmap.
    add("size-field-lies.bmp", With32(good, kFileSize, 0xFFFFFFFF));
}

void AddTruncated(const AddFile& add) {
    const Bytes good = Bitmap(Valid24());
    add("empty.bmp", {});
    add("truncated-file-header.bmp", Truncated(good, 10));
    add("truncated-info-header.bmp", Truncated(good, 30));
    add("truncated-pixels.bmp", Truncated(good, good.size() - 1));
    add("truncated-palette.bmp", Truncated(Bitmap(Indexed(8, 5)), 14 + 40 + 10));
}

void AddAbsurdSizes(const AddFile& add) {
    const Bytes good = Bitmap(Valid24());
    add("width-0x7fffffff.bmp", With32(good, kWidth, 0x7FFFFFFF));
    add("height-0x7fffffff.bmp", With32(good, kHeight, 0x7FFFFFFF));
    add("width-negative.bmp", With32(good, kWidth, static_cast<uint32_t>(-4)));
    add("height-int-min.bmp", With32(good, kHeight, 0x80000000));
    add("width-zero.bmp", With32(good, kWidth, 0));
    add("height-zero.bmp", With32(good, kHeight, 0));
    add("width-over-limit.bmp", With32(good, kWidth, 16385));
    BitmapShape os2Wide;
    os2Wide.headerSize = 12;
    os2Wide.width = 65535;
    os2Wide.height = 1;
    os2Wide.bits = 1;
    os2Wide.palette = {0x000000, 0xFFFFFF};
    os2Wide.value = [](int x, int) { return static_cast<uint32_t>(x % 2); };
    add("os2-width-65535.bmp", Bitmap(os2Wide));
}

// Header fields out of their range.
void AddBadFields(const AddFile& add) {
    const Bytes good = Bitmap(Valid24());
    const Bytes indexed = Bitmap(Indexed(8, 5));
    add("planes-zero.bmp", With16(good, kPlanes, 0));
    add("planes-two.bmp", With16(good, kPlanes, 2));
    for (uint32_t bits : {0u, 2u, 5u, 7u, 64u}) {
        add("depth-" + std::to_string(bits) + ".bmp", With16(good, kBits, bits));
    }
    BitmapShape rle8 = Indexed(8, 5);
    rle8.compression = 1;
    add("rle8.bmp", Bitmap(rle8));
    BitmapShape rle4 = Indexed(4, 16);
    rle4.compression = 2;
    add("rle4.bmp", Bitmap(rle4));
    add("jpeg-compression.bmp", With32(good, kCompression, 4));
    add("png-compression.bmp", With32(good, kCompression, 5));
    add("compression-huge.bmp", With32(good, kCompression, 0xFFFFFFFF));
    add("bitfields-on-24bit.bmp", With32(good, kCompression, 3));
    BitmapShape brokenMask = Bitfields16();
    brokenMask.masks = {0xF0F0, 0x0700, 0x000F};
    add("bitfields-broken-mask.bmp", Bitmap(brokenMask));
    BitmapShape wideMask = Bitfields16();
    wideMask.masks = {0xFFFF0000, 0x07E0, 0x001F};
    add("bitfields-mask-outside-pixel.bmp", Bitmap(wideMask));
    add("palette-count-over-depth.bmp", With32(Bitmap(Indexed(4, 16)), kColoursUsed, 1000));
    add("palette-count-huge.bmp", With32(indexed, kColoursUsed, 0xFFFFFFFF));
    add("data-offset-past-end.bmp", With32(good, kDataOffset, 0xFFFFFFF0));
    add("data-offset-zero.bmp", With32(good, kDataOffset, 0));
    add("info-size-lies.bmp", With32(good, kInfoSize, 0xFFFFFFFF));
    add("info-size-2000.bmp", With32(good, kInfoSize, 2000));
    add("not-a-bitmap.bmp", FromText("hello, this is not a picture\n"));
    add("garbage.bmp", Garbage(700, 1, false));
}

}  // namespace

Bytes Bitmap(const BitmapShape& shape) {
    Bytes info;
    if (shape.headerSize == 12) {
        PutU32(info, 12);
        PutU16(info, static_cast<uint32_t>(shape.width));
        PutU16(info, static_cast<uint32_t>(shape.height));
        PutU16(info, shape.planes);
        PutU16(info, shape.bits);
    } else {
        PutU32(info, shape.headerSize);
        PutU32(info, static_cast<uint32_t>(shape.width));
        PutU32(info, static_cast<uint32_t>(shape.height));
        PutU16(info, shape.planes);
        PutU16(info, shape.bits);
        for (uint32_t v : {shape.compression, 0u, 2835u, 2835u, shape.coloursUsed, 0u})
            PutU32(info, v);
        info.resize(shape.headerSize, 0);
        for (uint32_t mask : shape.masks) PutU32(info, mask);
    }
    for (uint32_t colour : shape.palette) {
        info.push_back(static_cast<uint8_t>(colour));
        info.push_back(static_cast<uint8_t>(colour >> 8));
        info.push_back(static_cast<uint8_t>(colour >> 16));
        if (shape.headerSize != 12) info.push_back(0);
    }
    const Bytes rows = PixelRows(shape);
    const auto dataOffset = static_cast<uint32_t>(14 + info.size());
    Bytes file{'B', 'M'};
    PutU32(file, dataOffset + static_cast<uint32_t>(rows.size()));
    PutU32(file, 0);
    PutU32(file, dataOffset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), rows.begin(), rows.end());
    return file;
}

void AddBitmaps(Corpus& corpus) {
    auto add = [&](const std::string& name, Bytes bytes) {
        corpus["bmp/" + name] = std::move(bytes);
    };
    AddReadable(add);
    AddTruncated(add);
    AddAbsurdSizes(add);
    AddBadFields(add);
}

}  // namespace lexo::hostile
