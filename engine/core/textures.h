#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

#include "pixels.h"
#include "sprites/cell_spans.h"

namespace lexo {

// The largest picture file the engine reads.
inline constexpr size_t kMaxPictureFileBytes = 256u << 20;
// All pictures loaded from files together hold at most this many pixels (256 MiB of them); a
// load beyond that fails as a malformed file does, so that no catalogue, however many kinds it
// lists, can exhaust memory. The game's own content takes under 2 % of it.
inline constexpr size_t kMaxLoadedPixels = size_t{1} << 26;

// A part of kMaxLoadedPixels, held by a picture loaded from a file for as long as it lives.
class PixelShare {
  public:
    PixelShare() = default;
    // Nothing (no value) when so many pixels would go over the limit.
    static std::optional<PixelShare> Take(size_t pixels);
    PixelShare(PixelShare&& other) noexcept;
    PixelShare& operator=(PixelShare&& other) noexcept;
    ~PixelShare();

  private:
    explicit PixelShare(size_t pixels) : pixels_(pixels) {}
    void Release();

    size_t pixels_ = 0;
};

// A loaded picture. Pixels of the colour key are stored with alpha 0 (keyed out); a texture
// without any such pixel is opaque, which lets 1:1 draws copy whole rows.
class Texture {
  public:
    explicit Texture(Image image);

    // Loads a BMP file. colourKey is 0x00BBGGRR; a negative key (the engine's -1) means none.
    // Nothing (no value) when the file is missing, is not a bitmap the engine reads, or would
    // take the pictures loaded over kMaxLoadedPixels.
    static std::optional<Texture> Load(const char* path, int32_t colourKey);

    // Keys out every pixel of the given colour (0x00BBGGRR).
    void ApplyColourKey(uint32_t colour);

    const Image& Picture() const { return image_; }
    bool Opaque() const { return opaque_; }

    // The spans of one cell as drawn (mirrored or not), made on first use and kept. A
    // blit holds on to them, so that dropping old ones from the store never pulls them away
    // from a frame being painted.
    std::shared_ptr<const CellSpans> Spans(const CellRect& cell, bool mirrored) const;

  private:
    struct SpansKey {
        CellRect cell;
        bool mirrored = false;
        bool operator==(const SpansKey&) const = default;
    };
    struct SpansKeyHash {
        size_t operator()(const SpansKey& key) const;
    };

    Image image_;
    PixelShare share_;
    bool opaque_ = true;
    mutable std::unordered_map<SpansKey, std::shared_ptr<const CellSpans>, SpansKeyHash> spans_;
};

}  // namespace lexo
