#include "script_words.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "blend.h"
#include "dft/glyph_map.h"
#include "visual_runs.h"

namespace lexo {
namespace {

// All kept words together stay under this many pixels, beyond which the store starts afresh.
constexpr size_t kMaxKeptPixels = 4u << 20;
// A word is shaped no further than this many characters; no more show on a field.
constexpr size_t kMaxCharacters = 512;
// The word fonts are made from DejaVu Sans Bold at 17 px with a 1.5 px outline, which gives
// a line of 25 px: words in other fonts take the same em and outline for the line's height.
constexpr double kEmPerLine = 17.0 / 25.0;
constexpr double kOutlinePerEm = 1.5 / 17.0;
constexpr char32_t kReplacement = 0xFFFD;

// The characters of a UTF-8 word; malformed sequences are U+FFFD, control characters draw
// nothing, as in the bitmap fonts.
std::u32string Decode(std::string_view utf8) {
    std::u32string line;
    const auto length = static_cast<int32_t>(utf8.size());
    for (int32_t at = 0; at < length && line.size() < kMaxCharacters;) {
        UChar32 code;
        U8_NEXT(utf8.data(), at, length, code);
        const char32_t character = code < 0 ? kReplacement : static_cast<char32_t>(code);
        if (!IsControl(character)) line.push_back(character);
    }
    return line;
}

// One plane of one glyph: coverage in a box of the line's pixels.
struct Plane {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> values;
};

// The glyph filled, or stroked to its outer border when a stroker is given, with its origin at
// x on the baseline.
std::optional<Plane> Rasterise(const ScriptLibraries& lib, FT_Glyph source, FT_Stroker stroker,
                               int x, int baseline) {
    FT_Glyph glyph = nullptr;
    if (lib.FT_Glyph_Copy(source, &glyph) != 0) return std::nullopt;
    if ((stroker != nullptr && lib.FT_Glyph_StrokeBorder(&glyph, stroker, 0, 1) != 0) ||
        lib.FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1) != 0) {
        lib.FT_Done_Glyph(glyph);
        return std::nullopt;
    }
    const auto* bitmap = reinterpret_cast<FT_BitmapGlyph>(glyph);
    std::optional<Plane> plane;
    if (bitmap->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap->bitmap.pitch >= 0) {
        plane.emplace();
        plane->left = x + bitmap->left;
        plane->top = baseline - bitmap->top;
        plane->width = static_cast<int>(bitmap->bitmap.width);
        plane->height = static_cast<int>(bitmap->bitmap.rows);
        plane->values.resize(static_cast<size_t>(plane->width) * plane->height);
        for (int row = 0; row < plane->height; ++row) {
            std::copy_n(bitmap->bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap->bitmap.pitch,
                        plane->width,
                        plane->values.begin() + static_cast<ptrdiff_t>(row) * plane->width);
        }
    }
    lib.FT_Done_Glyph(glyph);
    return plane;
}

Rect PlaneBox(const Plane& plane) {
    return {plane.left, plane.top, plane.left + plane.width, plane.top + plane.height};
}

// Lays a glyph's plane into the line's plane of the same kind, keeping the stronger coverage
// where glyphs meet (joined letters overlap).
void Stamp(const Plane& glyph, const Rect& box, std::vector<uint8_t>& line) {
    const int64_t width = box.x1 - box.x0;
    for (int row = 0; row < glyph.height; ++row) {
        uint8_t* to = line.data() + (glyph.top + row - box.y0) * width + (glyph.left - box.x0);
        const uint8_t* from = glyph.values.data() + static_cast<size_t>(row) * glyph.width;
        for (int x = 0; x < glyph.width; ++x) to[x] = std::max(to[x], from[x]);
    }
}

inline uint32_t Weight(uint32_t cover, uint32_t alpha) {
    return alpha == 255 ? cover : (cover * alpha + 127) / 255;
}

}  // namespace

ScriptWords::ScriptWords() = default;

ScriptWords::~ScriptWords() {
    if (lib_ == nullptr) return;
    if (stroker_ != nullptr) lib_->FT_Stroker_Done(stroker_);
    if (buffer_ != nullptr) lib_->hb_buffer_destroy(buffer_);
}

bool ScriptWords::Available() {
    if (tried_) return fonts_ != nullptr;
    tried_ = true;
    std::string error;
    lib_ = ScriptLibraries::Open(error);
    if (lib_ != nullptr) {
        fonts_ = ScriptFonts::Open(lib_);
        if (fonts_ == nullptr) error = "no font list from fontconfig";
    }
    if (fonts_ != nullptr) {
        buffer_ = lib_->hb_buffer_create();
        if (lib_->FT_Stroker_New(fonts_->FreeType(), &stroker_) != 0) {
            stroker_ = nullptr;
            fonts_ = nullptr;
            error = "FreeType cannot stroke outlines";
        }
    }
    if (fonts_ == nullptr) {
        std::fprintf(stderr,
                     "DGLEngine: %s: letters beyond the bitmap fonts show as replacement marks\n",
                     error.c_str());
    }
    return fonts_ != nullptr;
}

std::shared_ptr<const TextImage> ScriptWords::Image(const DftFont& look, std::string_view utf8,
                                                    Pixel colour, uint32_t alpha, double scale) {
    auto found = kept_.find(Key{&look, colour, alpha, scale, utf8});
    if (found != kept_.end()) return found->second.image;
    std::shared_ptr<const TextImage> image = Compose(look, utf8, colour, alpha, scale);
    const size_t pixels = image != nullptr ? image->PixelCount() : 0;
    if (keptPixels_ + pixels > kMaxKeptPixels) Forget();
    keptPixels_ += pixels;
    auto text = std::make_unique<std::string>(utf8);
    const Key key{&look, colour, alpha, scale, *text};
    kept_.emplace(key, Kept{std::move(text), image});
    return image;
}

void ScriptWords::Forget() {
    kept_.clear();
    keptPixels_ = 0;
}

std::shared_ptr<const TextImage> ScriptWords::Compose(const DftFont& look, std::string_view utf8,
                                                      Pixel colour, uint32_t alpha, double scale) {
    const ScriptLibraries& lib = *lib_;
    // Each character's face; one that no font has draws the replacement mark, else a '?'.
    std::u32string line;
    std::vector<int> faces;
    int previous = ScriptFonts::kNone;
    for (char32_t character : Decode(utf8)) {
        for (char32_t shown : {character, kReplacement, U'?'}) {
            const int face = fonts_->FaceFor(shown, previous);
            if (face == ScriptFonts::kNone) continue;
            line.push_back(shown);
            faces.push_back(face);
            previous = face;
            break;
        }
    }

    const int em = std::max(1, static_cast<int>(std::lround(look.lineHeight * kEmPerLine * scale)));
    const double stroke = look.hasOutline ? kOutlinePerEm * em : 0.0;
    const auto baseline = static_cast<int>(std::lround(look.ascent * scale));
    if (stroke > 0.0 && stroke != strokeWidth_) {
        lib.FT_Stroker_Set(stroker_, static_cast<FT_Fixed>(std::lround(stroke * 64)),
                           FT_STROKER_LINECAP_ROUND, FT_STROKER_LINEJOIN_ROUND, 0);
        strokeWidth_ = stroke;
    }

    // Shaped run by run in the order they show, the pen in 26.6 pixels starting right of the
    // outline's room, as the bitmap fonts' glyphs do.
    std::vector<Plane> fills;
    std::vector<Plane> outlines;
    int64_t pen = static_cast<int64_t>(std::ceil(stroke)) * 64;
    // A word wider than an image may be is not kept: it stops being rendered there, so a huge
    // scale or a font of a huge line costs no more than the largest image.
    const int64_t widest =
        TextImage::kMaxArea / std::max<int64_t>(1, std::lround(look.lineHeight * scale));
    for (const VisualRun& run : VisualRuns(lib, line, faces)) {
        const ScriptFace& face = fonts_->Face(run.face, em);
        lib.hb_buffer_reset(buffer_);
        lib.hb_buffer_add_utf32(buffer_, reinterpret_cast<const uint32_t*>(line.data()),
                                static_cast<int>(line.size()), static_cast<unsigned>(run.start),
                                static_cast<int>(run.end - run.start));
        lib.hb_buffer_set_direction(buffer_, run.rightToLeft ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
        lib.hb_buffer_guess_segment_properties(buffer_);
        lib.hb_shape(face.shaper, buffer_, nullptr, 0);
        unsigned count = 0;
        const hb_glyph_info_t* infos = lib.hb_buffer_get_glyph_infos(buffer_, &count);
        const hb_glyph_position_t* positions = lib.hb_buffer_get_glyph_positions(buffer_, &count);
        for (unsigned g = 0; g < count; ++g) {
            if (pen / 64 > widest) return nullptr;
            const auto x = static_cast<int>((pen + positions[g].x_offset + 32) >> 6);
            const int y = baseline - static_cast<int>((positions[g].y_offset + 32) >> 6);
            pen += positions[g].x_advance;
            FT_Glyph glyph = nullptr;
            if (lib.FT_Load_Glyph(face.face, infos[g].codepoint,
                                  FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0 ||
                lib.FT_Get_Glyph(face.face->glyph, &glyph) != 0) {
                continue;
            }
            if (auto fill = Rasterise(lib, glyph, nullptr, x, y)) fills.push_back(std::move(*fill));
            if (stroke > 0.0) {
                if (auto edge = Rasterise(lib, glyph, stroker_, x, y))
                    outlines.push_back(std::move(*edge));
            }
            lib.FT_Done_Glyph(glyph);
        }
    }

    Rect box;
    for (const auto* planes : {&fills, &outlines}) {
        for (const Plane& plane : *planes) box = box.Bound(PlaneBox(plane));
    }
    if (box.Empty() || alpha == 0 || (box.x1 - box.x0) * (box.y1 - box.y0) > TextImage::kMaxArea) {
        return nullptr;
    }
    const auto area = static_cast<size_t>((box.x1 - box.x0) * (box.y1 - box.y0));
    std::vector<uint8_t> fill(area, 0);
    std::vector<uint8_t> edge(area, 0);
    for (const Plane& plane : fills) Stamp(plane, box, fill);
    for (const Plane& plane : outlines) Stamp(plane, box, edge);
    // The outline of the whole word under all its glyphs, as in the bitmap fonts' lines.
    const Pixel outlineColour = PixelFromColourRef(look.outlineColour);
    std::vector<Pixel> layer(area);
    for (size_t i = 0; i < area; ++i) {
        layer[i] = Over(Premultiplied(colour, Weight(fill[i], alpha)),
                        Premultiplied(outlineColour, Weight(edge[i], alpha)));
    }
    return std::make_shared<const TextImage>(box, layer);
}

}  // namespace lexo
