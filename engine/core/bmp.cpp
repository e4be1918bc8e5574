#include "bmp.h"

#include <array>
#include <bit>

#include "dft/le_bytes.h"

namespace lexo {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

// One colour channel of a bit-field pixel: where its bits sit and the largest value they hold.
// Channels wider than 8 bits keep their top 8 bits.
struct Channel {
    int shift = 0;
    uint32_t max = 0;

    uint32_t Extract(uint32_t value) const {
        uint32_t raw = (value >> shift) & max;
        return max == 255 || max == 0 ? raw : (raw * 255 + max / 2) / max;
    }
};

// A mask must be one unbroken run of bits inside the pixel; an empty mask is a channel that is
// always 0.
std::optional<Channel> MakeChannel(uint32_t mask, int bitsPerPixel) {
    Channel channel;
    if (mask == 0) return channel;
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) return std::nullopt;
    channel.shift = std::countr_zero(mask);
    uint32_t bits = mask >> channel.shift;
    if ((bits & (bits + 1)) != 0) return std::nullopt;
    int width = std::popcount(bits);
    if (width > 8) channel.shift += width - 8;
    channel.max = (1u << (width > 8 ? 8 : width)) - 1;
    return channel;
}

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = kBiRgb;
    std::array<uint32_t, 3> masks{};  // red, green, blue
    size_t paletteOffset = 0;
    size_t paletteEntries = 0;
    size_t paletteEntrySize = 4;
    size_t dataOffset = 0;
    size_t stride = 0;
};

bool ReadInfoHeader(std::span<const uint8_t> file, Layout& layout) {
    uint32_t headerSize = le::U32(file, kFileHeaderSize);
    const size_t at = kFileHeaderSize + 4;
    if (headerSize == 12) {
        if (file.size() < kFileHeaderSize + 12) return false;
        layout.width = le::U16(file, at);
        layout.height = le::U16(file, at + 2);
        if (le::U16(file, at + 4) != 1) return false;
        layout.bitsPerPixel = le::U16(file, at + 6);
        layout.paletteEntrySize = 3;
        layout.paletteOffset = kFileHeaderSize + 12;
        return true;
    }
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124) {
        return false;
    }
    if (file.size() < kFileHeaderSize + headerSize) return false;
    int32_t width = le::I32(file, at);
    int32_t height = le::I32(file, at + 4);
    if (le::U16(file, at + 8) != 1) return false;
    layout.bitsPerPixel = le::U16(file, at + 10);
    layout.compression = le::U32(file, at + 12);
    uint32_t coloursUsed = le::U32(file, at + 28);
    if (width <= 0 || width > kMaxImageSide) return false;
    if (height == 0 || height < -kMaxImageSide || height > kMaxImageSide) return false;
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    layout.paletteOffset = kFileHeaderSize + headerSize;

    bool bitfields = layout.compression == kBiBitfields || layout.compression == kBiAlphaBitfields;
    if (bitfields) {
        // A 40-byte header is followed by the masks; the longer headers hold them.
        size_t maskBytes = layout.compression == kBiAlphaBitfields ? 16 : 12;
        if (file.size() < kFileHeaderSize + 40 + maskBytes) return false;
        for (size_t i = 0; i < 3; ++i)
            layout.masks[i] = le::U32(file, kFileHeaderSize + 40 + 4 * i);
        if (headerSize == 40) layout.paletteOffset += maskBytes;
    }
    if (layout.bitsPerPixel <= 8) {
        uint32_t most = 1u << layout.bitsPerPixel;
        if (coloursUsed > most) return false;
        layout.paletteEntries = coloursUsed == 0 ? most : coloursUsed;
    }
    return true;
}

bool CheckFormat(Layout& layout) {
    switch (layout.bitsPerPixel) {
        case 1:
        case 4:
        case 8:
            if (layout.paletteEntries == 0) layout.paletteEntries = 1u << layout.bitsPerPixel;
            return layout.compression == kBiRgb;
        case 24: return layout.compression == kBiRgb;
        case 16:
            if (layout.compression == kBiRgb) layout.masks = {0x7C00, 0x03E0, 0x001F};
            return true;
        case 32:
            if (layout.compression == kBiRgb) layout.masks = {0xFF0000, 0x00FF00, 0x0000FF};
            return true;
        default: return false;
    }
}

std::optional<Layout> ReadLayout(std::span<const uint8_t> file) {
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    Layout layout;
    layout.dataOffset = le::U32(file, 10);
    if (!ReadInfoHeader(file, layout)) return std::nullopt;
    // The OS/2 header's 16-bit sides are only checked here.
    if (layout.width <= 0 || layout.height <= 0) return std::nullopt;
    if (layout.width > kMaxImageSide || layout.height > kMaxImageSide) return std::nullopt;
    if (int64_t{layout.width} * layout.height > kMaxImagePixels) return std::nullopt;
    bool masked = layout.compression == kBiBitfields || layout.compression == kBiAlphaBitfields;
    if (masked && layout.bitsPerPixel != 16 && layout.bitsPerPixel != 32) return std::nullopt;
    if (!masked && layout.compression != kBiRgb) return std::nullopt;
    if (!CheckFormat(layout)) return std::nullopt;

    uint64_t paletteEnd =
        layout.paletteOffset + uint64_t{layout.paletteEntries} * layout.paletteEntrySize;
    if (paletteEnd > file.size()) return std::nullopt;
    layout.stride = static_cast<size_t>(
        (uint64_t{static_cast<uint32_t>(layout.width)} * layout.bitsPerPixel + 31) / 32 * 4);
    uint64_t dataEnd = uint64_t{layout.dataOffset} +
                       uint64_t{layout.stride} * static_cast<uint32_t>(layout.height);
    if (layout.dataOffset < kFileHeaderSize || dataEnd > file.size()) return std::nullopt;
    return layout;
}

std::array<Pixel, 256> ReadPalette(std::span<const uint8_t> file, const Layout& layout) {
    // Indices past the stored entries show black, as Windows draws them.
    std::array<Pixel, 256> palette;
    palette.fill(kOpaqueBlack);
    for (size_t i = 0; i < layout.paletteEntries; ++i) {
        size_t at = layout.paletteOffset + i * layout.paletteEntrySize;
        palette[i] = PixelFromRgb(file[at + 2], file[at + 1], file[at]);
    }
    return palette;
}

void DecodeIndexedRow(const uint8_t* src, Pixel* dst, int width, int bits,
                      const std::array<Pixel, 256>& palette) {
    const int perByte = 8 / bits;
    const unsigned valueMask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        unsigned byte = src[x / perByte];
        int shift = 8 - bits * (x % perByte + 1);
        dst[x] = palette[(byte >> shift) & valueMask];
    }
}

void DecodeMaskedRow(const uint8_t* src, Pixel* dst, int width, int bytesPerPixel,
                     const std::array<Channel, 3>& channels) {
    for (int x = 0; x < width; ++x, src += bytesPerPixel) {
        uint32_t value = src[0] | src[1] << 8;
        if (bytesPerPixel == 4)
            value |= static_cast<uint32_t>(src[2]) << 16 | static_cast<uint32_t>(src[3]) << 24;
        dst[x] = PixelFromRgb(channels[0].Extract(value), channels[1].Extract(value),
                              channels[2].Extract(value));
    }
}

void DecodeRgbRow(const uint8_t* src, Pixel* dst, int width) {
    for (int x = 0; x < width; ++x, src += 3) dst[x] = PixelFromRgb(src[2], src[1], src[0]);
}

}  // namespace

std::optional<Image> DecodeBmp(std::span<const uint8_t> file) {
    std::optional<Layout> layout = ReadLayout(file);
    if (!layout) return std::nullopt;
    std::array<Channel, 3> channels{};
    if (layout->bitsPerPixel == 16 || layout->bitsPerPixel == 32) {
        for (size_t i = 0; i < 3; ++i) {
            std::optional<Channel> channel = MakeChannel(layout->masks[i], layout->bitsPerPixel);
            if (!channel) return std::nullopt;
            channels[i] = *channel;
        }
    }
    std::array<Pixel, 256> palette = ReadPalette(file, *layout);

    Image image;
    image.width = layout->width;
    image.height = layout->height;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        int stored = layout->topDown ? y : image.height - 1 - y;
        const uint8_t* src = file.data() + layout->dataOffset + layout->stride * stored;
        Pixel* dst = image.Row(y);
        switch (layout->bitsPerPixel) {
            case 24: DecodeRgbRow(src, dst, image.width); break;
            case 16:
            case 32:
                DecodeMaskedRow(src, dst, image.width, layout->bitsPerPixel / 8, channels);
                break;
            default: DecodeIndexedRow(src, dst, image.width, layout->bitsPerPixel, palette); break;
        }
    }
    return image;
}

std::vector<uint8_t> EncodeBmp24(const Image& image) {
    const size_t stride = (static_cast<size_t>(image.width) * 3 + 3) / 4 * 4;
    const size_t dataSize = stride * image.height;
    std::vector<uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    le::PutU32(out, static_cast<uint32_t>(54 + dataSize));
    le::PutU32(out, 0);
    le::PutU32(out, 54);
    le::PutU32(out, 40);
    le::PutU32(out, static_cast<uint32_t>(image.width));
    le::PutU32(out, static_cast<uint32_t>(image.height));
    le::PutU16(out, 1);
    le::PutU16(out, 24);
    le::PutU32(out, kBiRgb);
    le::PutU32(out, static_cast<uint32_t>(dataSize));
    le::PutU32(out, 2835);  // 72 dots per inch
    le::PutU32(out, 2835);
    le::PutU32(out, 0);
    le::PutU32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const Pixel* row = image.Row(y);
        for (int x = 0; x < image.width; ++x) {
            out.push_back(static_cast<uint8_t>(row[x]));
            out.push_back(static_cast<uint8_t>(row[x] >> 8));
            out.push_back(static_cast<uint8_t>(row[x] >> 16));
        }
        out.resize(out.size() + (stride - static_cast<size_t>(image.width) * 3), 0);
    }
    return out;
}

}  // namespace lexo
