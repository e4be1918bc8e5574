#include "font.h"

namespace lexo {
namespace {

// All kept lines together stay under this many pixels, beyond which the store starts afresh
// (a game shows a few dozen words).
constexpr size_t kMaxKeptPixels = 4u << 20;

}  // namespace

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
