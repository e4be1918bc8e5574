#include "font.h"

#include <algorithm>
#include <string_view>

namespace lexo {
namespace {

// All kept lines together stay under this many pixels, beyond which the store starts afresh
// (a game shows a few dozen words).
constexpr size_t kMaxKeptPixels = 4u << 20;
// Room for a word's glyphs in one allocation.
constexpr size_t kUsualGlyphs = 32;

}  // namespace

Font::Font(DftFont data) : data_(std::move(data)), map_(data_) {
    for (const DftGlyph& glyph : data_.glyphs)
        reachLeft_ = std::min<int64_t>(reachLeft_, glyph.left);
}

GlyphRun Font::ShownGlyphs(const char* text, TextEncoding encoding, double scale, int64_t x,
                           int64_t right) const {
    // Advances are never negative, so once a pen position is too far right for any glyph to
    // reach back across `right`, so is every later one. One pixel spares the rounding of a
    // scaled box.
    GlyphRun glyphs;
    if (!(scale > 0.0)) return glyphs;
    glyphs.reserve(kUsualGlyphs);
    const double limit = static_cast<double>(right) + 1.0 - static_cast<double>(reachLeft_) * scale;
    double pen = static_cast<double>(x);
    while (*text != '\0' && pen < limit) {
        const uint16_t glyph = map_.Next(text, nullptr, encoding).glyph;
        if (glyph == GlyphMap::kNoGlyph) continue;
        glyphs.push_back(glyph);
        pen += data_.glyphs[glyph].advance * scale;
    }
    return glyphs;
}

bool Font::HoldsEvery(const char* utf8) const {
    while (*utf8 != '\0') {
        if (map_.Next(utf8, nullptr, TextEncoding::Utf8).missing) return false;
    }
    return true;
}

std::shared_ptr<const TextImage> Font::Image(std::span<const uint16_t> glyphs, Pixel colour,
                                             uint32_t alpha) const {
    auto found = images_.find(KeyView{glyphs, colour, alpha});
    if (found != images_.end()) return found->second;
    std::shared_ptr<const TextImage> image(new TextImage(data_, glyphs, colour, alpha));
    if (image->TooBig()) return nullptr;
    if (keptPixels_ + image->PixelCount() > kMaxKeptPixels) {
        images_.clear();
        keptPixels_ = 0;
    }
    keptPixels_ += image->PixelCount();
    Key key{GlyphRun(glyphs.begin(), glyphs.end()), colour, alpha};
    return images_.emplace(std::move(key), std::move(image)).first->second;
}

bool Font::KeyView::operator==(const KeyView& other) const {
    return colour == other.colour && alpha == other.alpha &&
           std::ranges::equal(glyphs, other.glyphs);
}

size_t Font::KeyHash::operator()(const KeyView& key) const {
    const std::string_view bytes(reinterpret_cast<const char*>(key.glyphs.data()),
                                 key.glyphs.size_bytes());
    return std::hash<std::string_view>{}(bytes) ^ (size_t{key.colour} * 0x9E3779B97F4A7C15ull) ^
           key.alpha;
}

}  // namespace lexo
