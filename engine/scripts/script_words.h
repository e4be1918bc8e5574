#pragma once

#include <compare>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "dft/font_dft.h"
#include "pixels.h"
#include "script_fonts.h"
#include "text_image.h"

namespace lexo {

// Words in any script, shaped by HarfBuzz, ordered by the bidirectional algorithm and drawn
// from the system's fonts by FreeType in a bitmap font's look: its line's height and baseline,
// the text colour filling glyphs stroked with the font's outline colour. Each word is composed
// once and kept as an image, like the bitmap fonts' lines.
class ScriptWords {
  public:
    ScriptWords();
    ~ScriptWords();

    // Whether words can be drawn; the first call opens the libraries and fontconfig's font
    // list, and says on standard error when that fails.
    bool Available();

    // The image of a UTF-8 word with its top-left at the line's top-left, as the font `look`
    // would draw it at `scale`; null when nothing shows or it is too big to keep. A character
    // no installed font has draws U+FFFD. Needs Available().
    std::shared_ptr<const TextImage> Image(const DftFont& look, std::string_view utf8, Pixel colour,
                                           uint32_t alpha, double scale);

    // Lets go of the kept words (the fonts they were drawn for are gone).
    void Forget();

  private:
    struct Key {
        const DftFont* look;
        Pixel colour;
        uint32_t alpha;
        double scale;
        std::string_view text;  // the kept word's own copy, or the one looked for
        auto operator<=>(const Key&) const = default;
    };
    struct Kept {
        std::unique_ptr<std::string> text;
        std::shared_ptr<const TextImage> image;
    };

    std::shared_ptr<const TextImage> Compose(const DftFont& look, std::string_view utf8,
                                             Pixel colour, uint32_t alpha, double scale);

    bool tried_ = false;
    std::shared_ptr<const ScriptLibraries> lib_;
    std::unique_ptr<ScriptFonts> fonts_;
    hb_buffer_t* buffer_ = nullptr;
    FT_Stroker stroker_ = nullptr;
    double strokeWidth_ = 0;
    std::map<Key, Kept> kept_;
    size_t keptPixels_ = 0;
};

}  // namespace lexo
