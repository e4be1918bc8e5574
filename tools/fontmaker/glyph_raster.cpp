#include "glyph_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lexo {
namespace {

// A rendered FreeType glyph image that frees itself.
class RenderedGlyph {
  public:
    RenderedGlyph() = default;
    ~RenderedGlyph() {
        if (glyph_ != nullptr) FT_Done_Glyph(glyph_);
    }
    RenderedGlyph(const RenderedGlyph&) = delete;
    RenderedGlyph& operator=(const RenderedGlyph&) = delete;

    // Takes a copy of `source`, stroked to its outer border when a stroker is given, and
    // renders it anti-aliased.
    bool Render(FT_Glyph source, FT_Stroker stroker) {
        if (FT_Glyph_Copy(source, &glyph_) != 0) return false;
        if (stroker != nullptr && FT_Glyph_StrokeBorder(&glyph_, stroker, 0, 1) != 0) return false;
        return FT_Glyph_To_Bitmap(&glyph_, FT_RENDER_MODE_NORMAL, nullptr, 1) == 0;
    }
    FT_BitmapGlyph Bitmap() const { return reinterpret_cast<FT_BitmapGlyph>(glyph_); }

  private:
    FT_Glyph glyph_ = nullptr;
};

// Copies a rendered bitmap into a plane of the glyph box at its place.
void CopyInto(const FT_BitmapGlyph source, const GlyphBitmap& box, std::vector<uint8_t>& plane) {
    const FT_Bitmap& bitmap = source->bitmap;
    const int dx = source->left - box.left;
    const int dy = box.top - source->top;
    const int pitch = std::abs(bitmap.pitch);
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        unsigned stored = bitmap.pitch >= 0 ? y : bitmap.rows - 1 - y;
        const unsigned char* row = bitmap.buffer + static_cast<size_t>(stored) * pitch;
        uint8_t* dst =
            plane.data() + static_cast<size_t>(dy + static_cast<int>(y)) * box.width + dx;
        std::copy(row, row + bitmap.width, dst);
    }
}

}  // namespace

struct GlyphRasterizer::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Stroker stroker = nullptr;

    ~Library() {
        if (stroker != nullptr) FT_Stroker_Done(stroker);
        if (face != nullptr) FT_Done_Face(face);
        if (library != nullptr) FT_Done_FreeType(library);
    }
};

GlyphRasterizer::~GlyphRasterizer() = default;

std::unique_ptr<GlyphRasterizer> GlyphRasterizer::Open(const std::string& path, int pixelSize,
                                                       double outlineWidth, std::string& error) {
    std::unique_ptr<GlyphRasterizer> rasterizer(new GlyphRasterizer);
    rasterizer->library_ = std::make_unique<Library>();
    rasterizer->outlineWidth_ = outlineWidth;
    Library& ft = *rasterizer->library_;
    if (FT_Init_FreeType(&ft.library) != 0) {
        error = "FreeType cannot start";
        return nullptr;
    }
    if (FT_New_Face(ft.library, path.c_str(), 0, &ft.face) != 0) {
        error = "cannot open the font " + path;
        return nullptr;
    }
    if (FT_Set_Pixel_Sizes(ft.face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        error = "the font cannot be set to " + std::to_string(pixelSize) + " pixels";
        return nullptr;
    }
    if (outlineWidth > 0) {
        if (FT_Stroker_New(ft.library, &ft.stroker) != 0) {
            error = "FreeType cannot make a stroker";
            return nullptr;
        }
        FT_Stroker_Set(ft.stroker, static_cast<FT_Fixed>(std::lround(outlineWidth * 64)),
                       FT_STROKER_LINECAP_ROUND, FT_STROKER_LINEJOIN_ROUND, 0);
    }
    return rasterizer;
}

FontMetrics GlyphRasterizer::Metrics() const {
    const FT_Size_Metrics& m = library_->face->size->metrics;
    // 26.6 fixed point, rounded outward so no glyph pokes out of the line.
    return FontMetrics{static_cast<int>((m.ascender + 63) >> 6),
                       static_cast<int>((-m.descender + 63) >> 6)};
}

std::optional<GlyphBitmap> GlyphRasterizer::Render(char32_t codePoint) const {
    FT_Face face = library_->face;
    FT_UInt index = FT_Get_Char_Index(face, codePoint);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) {
        return std::nullopt;
    }
    GlyphBitmap result;
    result.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    FT_Glyph glyph = nullptr;
    if (FT_Get_Glyph(face->glyph, &glyph) != 0) return std::nullopt;
    RenderedGlyph fill;
    RenderedGlyph stroke;
    bool rendered = fill.Render(glyph, nullptr) &&
                    (library_->stroker == nullptr || stroke.Render(glyph, library_->stroker));
    FT_Done_Glyph(glyph);
    if (!rendered) return std::nullopt;

    // The box holds both the glyph and its outline.
    std::vector<FT_BitmapGlyph> parts{fill.Bitmap()};
    if (library_->stroker != nullptr) parts.push_back(stroke.Bitmap());
    int left = parts[0]->left, top = parts[0]->top;
    int right = left + static_cast<int>(parts[0]->bitmap.width);
    int bottom = top - static_cast<int>(parts[0]->bitmap.rows);
    for (FT_BitmapGlyph part : parts) {
        left = std::min(left, part->left);
        top = std::max(top, part->top);
        right = std::max(right, part->left + static_cast<int>(part->bitmap.width));
        bottom = std::min(bottom, part->top - static_cast<int>(part->bitmap.rows));
    }
    result.left = left;
    result.top = top;
    result.width = right - left;
    result.height = top - bottom;
    result.coverage.assign(static_cast<size_t>(result.width) * result.height, 0);
    CopyInto(fill.Bitmap(), result, result.coverage);
    if (library_->stroker != nullptr) {
        result.outline.assign(result.coverage.size(), 0);
        CopyInto(stroke.Bitmap(), result, result.outline);
    }
    return result;
}

}  // namespace lexo
