#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lexo {

// One rendered glyph: a box of coverage (and of outline coverage when an outline is asked
// for) placed relative to the pen on the baseline.
struct GlyphBitmap {
    int width = 0;
    int height = 0;
    int left = 0;  // from the pen to the box's left edge
    int top = 0;   // from the baseline up to the box's top edge
    int advance = 0;
    std::vector<uint8_t> coverage;  // width x height
    std::vector<uint8_t> outline;   // width x height, empty without an outline
};

struct FontMetrics {
    int ascent = 0;   // baseline below the top of the line
    int descent = 0;  // bottom of the line below the baseline
};

// Renders glyphs of a TrueType font at a pixel size with FreeType, hinted and anti-aliased,
// optionally with an outline of the given width around each glyph.
class GlyphRasterizer {
  public:
    ~GlyphRasterizer();

    // Nothing (no value) with a message in `error` when the font cannot be opened or sized.
    static std::unique_ptr<GlyphRasterizer> Open(const std::string& path, int pixelSize,
                                                 double outlineWidth, std::string& error);

    FontMetrics Metrics() const;
    // Nothing when the font has no glyph for the code point.
    std::optional<GlyphBitmap> Render(char32_t codePoint) const;

  private:
    struct Library;
    GlyphRasterizer() = default;
    std::unique_ptr<Library> library_;
    double outlineWidth_ = 0;
};

}  // namespace lexo
