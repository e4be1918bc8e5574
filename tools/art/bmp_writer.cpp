#include "bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace lexo {

namespace {

void PutLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

}  // namespace

void WriteBmp(const std::string& path, const Image& image) {
    const uint32_t width = static_cast<uint32_t>(image.Width());
    const uint32_t height = static_cast<uint32_t>(image.Height());
    // Every pixel row is padded to a multiple of four bytes.
    const uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t headerBytes = 14 + 40;
    const uint32_t dataBytes = rowBytes * height;

    std::vector<uint8_t> out;
    out.reserve(headerBytes + dataBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, headerBytes + dataBytes, 4);
    PutLe(out, 0, 4);
    PutLe(out, headerBytes, 4);
    PutLe(out, 40, 4);
    PutLe(out, width, 4);
    PutLe(out, height, 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);
    PutLe(out, dataBytes, 4);
    // 2835 pixels per metre is 72 dots per inch.
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb pixel = image.At(x, y);
            out.push_back(pixel.b);
            out.push_back(pixel.g);
            out.push_back(pixel.r);
        }
        for (uint32_t pad = width * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace lexo
