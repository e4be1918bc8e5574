#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

#include "pixels.h"
#include "sprites/cell_runs.h"

namespace lexo {

// The largest picture file the engine reads.
inline constexpr size_t kMaxPictureFileBytes = 256u << 20;

// A loaded picture. Pixels of the colour key are stored with alpha 0 (keyed out); a texture
// without any such pixel is opaque, which lets 1:1 draws copy whole rows.
class Texture {
  public:
    explicit Texture(Image image);

    // Loads a BMP file. colourKey is 0x00BBGGRR; a negative key (the engine's -1) means none.
    // Nothing (no value) when the file is missing or is not a bitmap the engine reads.
    static std::optional<Texture> Load(const char* path, int32_t colourKey);

    // Keys out every pixel of the given colour (0x00BBGGRR).
    void ApplyColourKey(uint32_t colour);

    const Image& Picture() const { return image_; }
    bool Opaque() const { return opaque_; }

    // The opaque runs of one cell as drawn (mirrored or not), made on first use and kept.
    const CellRuns& Runs(const CellRect& cell, bool mirrored) const;

  private:
    struct RunsKey {
        CellRect cell;
        bool mirrored = false;
        bool operator==(const RunsKey&) const = default;
    };
    struct RunsKeyHash {
        size_t operator()(const RunsKey& key) const;
    };

    Image image_;
    bool opaque_ = true;
    mutable std::unordered_map<RunsKey, std::unique_ptr<CellRuns>, RunsKeyHash> runs_;
};

}  // namespace lexo
