#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <vector>

#include "dft/font_dft.h"
#include "dft/glyph_map.h"
#include "text_image.h"

namespace lexo {

// A loaded .dft font, with the lines of text it drew lately kept as ready images: the game
// draws the same words frame after frame.
class Font {
  public:
    explicit Font(DftFont data);

    const DftFont& Data() const { return data_; }

    // The glyphs of the beginning of a NUL-terminated line drawn with its pen starting at x
    // that can show left of `right`; the rest lies wholly beyond it. The line is read no
    // further than that, so a line of megabytes costs what one as wide as the frame does.
    // Characters are drawn with the glyphs GlyphMap::Next gives.
    GlyphRun ShownGlyphs(const char* text, TextEncoding encoding, double scale, int64_t x,
                         int64_t right) const;

    // Whether the font has a glyph of its own for every character of a NUL-terminated UTF-8
    // text (control characters, which draw nothing, count as held).
    bool HoldsEvery(const char* utf8) const;

    // The image of a line at natural size; null when it would be too big to keep, and then the
    // line is drawn from the atlas directly. A blit holds on to it, so that starting the store
    // afresh never pulls it away from a frame being painted.
    std::shared_ptr<const TextImage> Image(std::span<const uint16_t> glyphs, Pixel colour,
                                           uint32_t alpha) const;

  private:
    // Looked up by a view of the glyphs, so that finding a kept line allocates nothing.
    struct KeyView {
        std::span<const uint16_t> glyphs;
        Pixel colour;
        uint32_t alpha;
        bool operator==(const KeyView& other) const;
    };
    struct Key {
        GlyphRun glyphs;
        Pixel colour;
        uint32_t alpha;
        KeyView View() const { return {glyphs, colour, alpha}; }
    };
    struct KeyHash {
        using is_transparent = void;
        size_t operator()(const KeyView& key) const;
        size_t operator()(const Key& key) const { return (*this)(key.View()); }
    };
    struct KeyEqual {
        using is_transparent = void;
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            return View(a) == View(b);
        }
        static KeyView View(const KeyView& key) { return key; }
        static KeyView View(const Key& key) { return key.View(); }
    };

    DftFont data_;
    GlyphMap map_;
    // How far left of its pen position any glyph's box may start (0 or less), in pixels.
    int64_t reachLeft_ = 0;
    mutable std::unordered_map<Key, std::shared_ptr<const TextImage>, KeyHash, KeyEqual> images_;
    mutable size_t keptPixels_ = 0;
};

}  // namespace lexo
