#include "font.h"

#include <algorithm>

namespace lexo {
namespace {

// All kept lines together stay under this many pixels, beyond which the store starts afresh
// (a game shows a few dozen words).
constexpr size_t kMaxKeptPixels = 4u << 20;

}  // namespace

Font::Font(DftFont data) : data_(std::move(data)) {
    for (const DftGlyph& glyph : data_.glyphs)
        reachLeft_ = std::min<int64_t>(reachLeft_, glyph.left);
}

std::string_view Font::ShownPart(const char* text, double scale, int64_t x, int64_t right) const {
    // Advances are never negative, so once a pen position is too far right for any glyph to
    // reach back across `right`, so is every later one. One pixel spares the rounding of a
    // scaled box.
    if (!(scale > 0.0)) return std::string_view();
    const double limit = static_cast<double>(right) + 1.0 - static_cast<double>(reachLeft_) * scale;
    double pen = static_cast<double>(x);
    const char* end = text;
    for (; *end != '\0' && pen < limit; ++end) {
        pen += data_.glyphs[static_cast<unsigned char>(*end)].advance * scale;
    }
    return std::string_view(text, static_cast<size_t>(end - text));
}

std::shared_ptr<const TextImage> Font::Image(std::string_view text, Pixel colour,
                                             uint32_t alpha) const {
    auto found = images_.find(KeyView{text, colour, alpha});
    if (found != images_.end()) return found->second;
    std::shared_ptr<const TextImage> image(new TextImage(data_, text, colour, alpha));
    if (image->TooBig()) return nullptr;
    if (keptPixels_ + image->PixelCount() > kMaxKeptPixels) {
        images_.clear();
        keptPixels_ = 0;
    }
    keptPixels_ += image->PixelCount();
    return images_.emplace(Key{std::string(text), colour, alpha}, std::move(image)).first->second;
}

size_t Font::KeyHash::operator()(const KeyView& key) const {
    return std::hash<std::string_view>{}(key.text) ^ (size_t{key.colour} * 0x9E3779B97F4A7C15ull) ^
           key.alpha;
}

}  // namespace lexo
