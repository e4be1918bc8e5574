#include "script_fonts.h"

namespace lexo {
namespace {

// The language whose fonts draw a script best; null for scripts any font may draw.
const char* LanguageOf(hb_script_t script) {
    switch (script) {
        case HB_SCRIPT_ARABIC: return "ar";
        case HB_SCRIPT_HEBREW: return "he";
        case HB_SCRIPT_DEVANAGARI: return "hi";
        case HB_SCRIPT_THAI: return "th";
        case HB_SCRIPT_GEORGIAN: return "ka";
        case HB_SCRIPT_ARMENIAN: return "hy";
        case HB_SCRIPT_HAN: return "zh-cn";
        case HB_SCRIPT_HIRAGANA:
        case HB_SCRIPT_KATAKANA: return "ja";
        case HB_SCRIPT_HANGUL: return "ko";
        default: return nullptr;
    }
}

}  // namespace

ScriptFonts::ScriptFonts(std::shared_ptr<const ScriptLibraries> libraries)
    : lib_(std::move(libraries)) {}

std::unique_ptr<ScriptFonts> ScriptFonts::Open(std::shared_ptr<const ScriptLibraries> libraries) {
    std::unique_ptr<ScriptFonts> fonts(new ScriptFonts(std::move(libraries)));
    if (fonts->lib_->FT_Init_FreeType(&fonts->freetype_) != 0) return nullptr;
    fonts->config_ = fonts->lib_->FcInitLoadConfigAndFonts();
    if (fonts->config_ == nullptr) return nullptr;
    return fonts;
}

ScriptFonts::~ScriptFonts() {
    for (const ScriptFace& face : faces_) {
        lib_->hb_font_destroy(face.shaper);
        lib_->FT_Done_Face(face.face);
    }
    for (const auto& [language, order] : orders_) {
        if (order != nullptr) lib_->FcFontSetDestroy(order);
    }
    if (config_ != nullptr) lib_->FcConfigDestroy(config_);
    if (freetype_ != nullptr) lib_->FT_Done_FreeType(freetype_);
}

bool ScriptFonts::Has(int face, char32_t code) const {
    return face != kNone && lib_->FcCharSetHasChar(faces_[static_cast<size_t>(face)].charset, code);
}

const FcFontSet* ScriptFonts::Order(const char* language) {
    auto [order, added] = orders_.emplace(language, nullptr);
    if (!added) return order->second;
    // The look of the bitmap word fonts: a bold sans.
    FcPattern* pattern = lib_->FcPatternCreate();
    if (pattern == nullptr) return nullptr;
    const auto text = [](const char* s) { return reinterpret_cast<const FcChar8*>(s); };
    lib_->FcPatternAddString(pattern, FC_FAMILY, text("sans-serif"));
    lib_->FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    if (*language != '\0') lib_->FcPatternAddString(pattern, FC_LANG, text(language));
    lib_->FcConfigSubstitute(config_, pattern, FcMatchPattern);
    lib_->FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    order->second = lib_->FcFontSort(config_, pattern, FcFalse, nullptr, &result);
    lib_->FcPatternDestroy(pattern);
    return order->second;
}

int ScriptFonts::FaceFor(char32_t code, int previous) {
    if (Has(previous, code)) return previous;
    auto known = chosen_.find(code);
    if (known != chosen_.end()) return known->second;
    const char* language =
        LanguageOf(lib_->hb_unicode_script(lib_->hb_unicode_funcs_get_default(), code));
    const FcFontSet* order = Order(language != nullptr ? language : "");
    int face = kNone;
    for (int i = 0; order != nullptr && i < order->nfont && face == kNone; ++i) {
        FcPattern* font = order->fonts[i];
        FcCharSet* charset = nullptr;
        FcBool colour = FcFalse;
        // Colour fonts hold pictures, not outlines to fill and stroke.
        if (lib_->FcPatternGetBool(font, FC_COLOR, 0, &colour) == FcResultMatch && colour) continue;
        if (lib_->FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) == FcResultMatch &&
            lib_->FcCharSetHasChar(charset, code)) {
            face = Opened(font);
        }
    }
    chosen_.emplace(code, face);
    return face;
}

int ScriptFonts::Opened(FcPattern* font) {
    FcChar8* file = nullptr;
    int index = 0;
    ScriptFace face;
    FcCharSet* charset = nullptr;
    if (lib_->FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
        lib_->FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch) {
        return kNone;
    }
    lib_->FcPatternGetInteger(font, FC_INDEX, 0, &index);
    const char* path = reinterpret_cast<const char*>(file);
    auto [known, added] = opened_.emplace(std::pair(std::string(path), index), kNone);
    if (!added) return known->second;
    if (lib_->FT_New_Face(freetype_, path, index, &face.face) != 0) return kNone;
    // The pattern lives in its order, which lives as long as the faces.
    face.charset = charset;
    face.shaper = lib_->hb_ft_font_create_referenced(face.face);
    faces_.push_back(face);
    known->second = static_cast<int>(faces_.size() - 1);
    return known->second;
}

const ScriptFace& ScriptFonts::Face(int index, int em) {
    ScriptFace& face = faces_[static_cast<size_t>(index)];
    if (face.em != em) {
        lib_->FT_Set_Pixel_Sizes(face.face, 0, static_cast<FT_UInt>(em));
        lib_->hb_ft_font_changed(face.shaper);
        face.em = em;
    }
    return face;
}

}  // namespace lexo
