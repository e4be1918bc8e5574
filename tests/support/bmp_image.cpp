#include "bmp_image.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace lexo::test {
namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

void RgbImage::Fill(int x0, int y0, int w, int h, uint32_t rgb) {
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) Set(x, y, rgb);
    }
}

int RgbImage::Count(uint32_t rgb) const {
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), rgb));
}

std::optional<RgbImage> ReadBmp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || U32(b, 14) < 40) return std::nullopt;
    const auto width = static_cast<int32_t>(U32(b, 18));
    const auto height = static_cast<int32_t>(U32(b, 22));
    const int bits = U16(b, 28);
    if (width <= 0 || height == 0 || U32(b, 30) != 0 || (bits != 24 && bits != 32)) {
        return std::nullopt;
    }
    const int rows = height < 0 ? -height : height;
    const size_t stride = (size_t(width) * bits / 8 + 3) / 4 * 4;
    const size_t offset = U32(b, 10);
    if (offset + stride * rows > b.size()) return std::nullopt;
    RgbImage image(width, rows);
    for (int y = 0; y < rows; ++y) {
        size_t row = offset + stride * size_t(height < 0 ? y : rows - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &b[row + size_t(x) * bits / 8];
            image.Set(x, y, uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
        }
    }
    return image;
}

std::vector<uint8_t> EncodeBmp(const RgbImage& image) {
    const size_t stride = (size_t(image.width) * 3 + 3) / 4 * 4;
    const auto dataSize = static_cast<uint32_t>(stride * image.height);
    std::vector<uint8_t> out{'B', 'M'};
    Put(out, 54 + dataSize, 4);
    Put(out, 0, 4);
    Put(out, 54, 4);
    for (uint32_t v : {40u, uint32_t(image.width), uint32_t(image.height)}) Put(out, v, 4);
    Put(out, 1, 2);
    Put(out, 24, 2);
    for (uint32_t v : {0u, dataSize, 2835u, 2835u, 0u, 0u}) Put(out, v, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) Put(out, image.At(x, y), 3);
        out.resize(out.size() + stride - size_t(image.width) * 3, 0);
    }
    return out;
}

bool WriteBmp(const std::string& path, const RgbImage& image) {
    std::vector<uint8_t> bytes = EncodeBmp(image);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file);
}

}  // namespace lexo::test
