#include "textures.h"

#include <utility>

#include "bmp.h"
#include "file_bytes.h"

namespace lexo {
namespace {

// Sheets are drawn with a handful of cells each; a caller cycling through endless different
// cells of a huge picture only rebuilds spans, it never piles them up.
constexpr size_t kMaxCachedCells = 4096;

size_t& PixelsInUse() {
    static size_t pixels = 0;
    return pixels;
}

}  // namespace

std::optional<PixelShare> PixelShare::Take(size_t pixels) {
    if (pixels > kMaxLoadedPixels - PixelsInUse()) return std::nullopt;
    PixelsInUse() += pixels;
    return PixelShare(pixels);
}

PixelShare::PixelShare(PixelShare&& other) noexcept : pixels_(std::exchange(other.pixels_, 0)) {}

PixelShare& PixelShare::operator=(PixelShare&& other) noexcept {
    if (this != &other) {
        Release();
        pixels_ = std::exchange(other.pixels_, 0);
    }
    return *this;
}

PixelShare::~PixelShare() { Release(); }

void PixelShare::Release() {
    PixelsInUse() -= pixels_;
    pixels_ = 0;
}

Texture::Texture(Image image) : image_(std::move(image)) {}

std::optional<Texture> Texture::Load(const char* path, int32_t colourKey) {
    std::optional<std::vector<uint8_t>> bytes = ReadFileBytes(path, kMaxPictureFileBytes);
    if (!bytes) return std::nullopt;
    std::optional<Image> image = DecodeBmp(*bytes);
    if (!image) return std::nullopt;
    std::optional<PixelShare> share = PixelShare::Take(image->pixels.size());
    if (!share) return std::nullopt;
    Texture texture(std::move(*image));
    texture.share_ = std::move(*share);
    if (colourKey >= 0) texture.ApplyColourKey(static_cast<uint32_t>(colourKey));
    return texture;
}

void Texture::ApplyColourKey(uint32_t colour) {
    const Pixel key = PixelFromColourRef(colour);
    for (Pixel& pixel : image_.pixels) {
        if (pixel == key) {
            pixel = 0;
            opaque_ = false;
        }
    }
    spans_.clear();
}

std::shared_ptr<const CellSpans> Texture::Spans(const CellRect& cell, bool mirrored) const {
    SpansKey key{cell, mirrored};
    auto found = spans_.find(key);
    if (found != spans_.end()) return found->second;
    if (spans_.size() >= kMaxCachedCells) spans_.clear();
    auto made = std::make_shared<const CellSpans>(image_, cell, mirrored);
    return spans_.emplace(key, std::move(made)).first->second;
}

size_t Texture::SpansKeyHash::operator()(const SpansKey& key) const {
    uint64_t a = static_cast<uint32_t>(key.cell.x) | uint64_t{static_cast<uint32_t>(key.cell.y)}
                                                         << 32;
    uint64_t b = static_cast<uint32_t>(key.cell.width) |
                 uint64_t{static_cast<uint32_t>(key.cell.height)} << 32;
    return std::hash<uint64_t>{}(a * 0x9E3779B97F4A7C15ull ^ b) ^ (key.mirrored ? 1 : 0);
}

}  // namespace lexo
