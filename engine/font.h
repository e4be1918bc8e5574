#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "font_dft.h"
#include "text_image.h"

namespace lexo {

// A loaded .dft font, with the lines of text it drew lately kept as ready images: the game
// draws the same words frame after frame.
class Font {
  public:
    explicit Font(DftFont data) : data_(std::move(data)) {}

    const DftFont& Data() const { return data_; }

    // The image of a line at natural size; null when it would be too big to keep, and then the
    // line is drawn from the atlas directly. A blit holds on to it, so that starting the store
    // afresh never pulls it away from a frame being painted.
    std::shared_ptr<const TextImage> Image(std::string_view text, Pixel colour,
                                           uint32_t alpha) const;

  private:
    struct Key {
        std::string text;
        Pixel colour;
        uint32_t alpha;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const;
    };

    DftFont data_;
    mutable std::unordered_map<Key, std::shared_ptr<const TextImage>, KeyHash> images_;
    mutable size_t keptPixels_ = 0;
};

}  // namespace lexo
