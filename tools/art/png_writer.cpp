#include "png_writer.h"

#include <png.h>

#include <fstream>
#include <stdexcept>

namespace lexo {

std::vector<uint8_t> EncodePng(const RgbaImage& image) {
    png_image description{};
    description.version = PNG_IMAGE_VERSION;
    description.width = static_cast<png_uint_32>(image.width);
    description.height = static_cast<png_uint_32>(image.height);
    description.format = PNG_FORMAT_RGBA;
    // The first call measures, the second writes.
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&description, nullptr, &size, 0, image.rgba.data(), 0,
                                   nullptr)) {
        throw std::runtime_error(std::string("cannot encode a PNG: ") + description.message);
    }
    std::vector<uint8_t> bytes(size);
    if (!png_image_write_to_memory(&description, bytes.data(), &size, 0, image.rgba.data(), 0,
                                   nullptr)) {
        throw std::runtime_error(std::string("cannot encode a PNG: ") + description.message);
    }
    bytes.resize(size);
    return bytes;
}

void WritePng(const std::string& path, const RgbaImage& image) {
    const std::vector<uint8_t> bytes = EncodePng(image);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace lexo
