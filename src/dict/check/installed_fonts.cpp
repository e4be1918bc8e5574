#include "dict/check/installed_fonts.h"

#include <fontconfig/fontconfig.h>

namespace lexo::dict {

// The union of every installed font's character set.
struct InstalledFonts::Coverage {
    FcCharSet* characters = FcCharSetCreate();
    ~Coverage() { FcCharSetDestroy(characters); }
};

InstalledFonts::InstalledFonts() = default;
InstalledFonts::~InstalledFonts() = default;

bool InstalledFonts::Cover(UChar32 c) {
    if (!coverage_) {
        coverage_ = std::make_unique<Coverage>();
        FcPattern* any = FcPatternCreate();
        FcObjectSet* wanted = FcObjectSetBuild(FC_CHARSET, nullptr);
        // No configuration (fontconfig missing its files) lists no font: nothing is covered.
        if (FcFontSet* fonts = FcFontList(nullptr, any, wanted)) {
            for (int i = 0; i < fonts->nfont; ++i) {
                FcCharSet* characters = nullptr;
                if (FcPatternGetCharSet(fonts->fonts[i], FC_CHARSET, 0, &characters) ==
                    FcResultMatch) {
                    FcCharSetMerge(coverage_->characters, characters, nullptr);
                }
            }
            FcFontSetDestroy(fonts);
        }
        FcObjectSetDestroy(wanted);
        FcPatternDestroy(any);
    }
    return c >= 0 && FcCharSetHasChar(coverage_->characters, static_cast<FcChar32>(c));
}

}  // namespace lexo::dict
