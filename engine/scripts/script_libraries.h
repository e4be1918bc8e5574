#pragma once

#include <fontconfig/fontconfig.h>
#include <fribidi.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H
#include <hb-ft.h>
#include <hb.h>

#include <memory>
#include <string>

namespace lexo {

// The entries of the four libraries that draw words beyond the bitmap fonts, one list per
// library for the table and its lookup.
#define LEXO_FREETYPE_ENTRIES(X) \
    X(FT_Init_FreeType)          \
    X(FT_Done_FreeType)          \
    X(FT_New_Face)               \
    X(FT_Done_Face)              \
    X(FT_Set_Pixel_Sizes)        \
    X(FT_Load_Glyph)             \
    X(FT_Get_Glyph)              \
    X(FT_Glyph_Copy)             \
    X(FT_Glyph_StrokeBorder)     \
    X(FT_Glyph_To_Bitmap)        \
    X(FT_Done_Glyph)             \
    X(FT_Stroker_New)            \
    X(FT_Stroker_Set)            \
    X(FT_Stroker_Done)

#define LEXO_HARFBUZZ_ENTRIES(X)          \
    X(hb_ft_font_create_referenced)       \
    X(hb_ft_font_changed)                 \
    X(hb_font_destroy)                    \
    X(hb_buffer_create)                   \
    X(hb_buffer_destroy)                  \
    X(hb_buffer_reset)                    \
    X(hb_buffer_add_utf32)                \
    X(hb_buffer_set_direction)            \
    X(hb_buffer_guess_segment_properties) \
    X(hb_shape)                           \
    X(hb_buffer_get_glyph_infos)          \
    X(hb_buffer_get_glyph_positions)      \
    X(hb_unicode_funcs_get_default)       \
    X(hb_unicode_script)

#define LEXO_FONTCONFIG_ENTRIES(X) \
    X(FcInitLoadConfigAndFonts)    \
    X(FcConfigDestroy)             \
    X(FcPatternCreate)             \
    X(FcPatternDestroy)            \
    X(FcPatternAddString)          \
    X(FcPatternAddInteger)         \
    X(FcPatternAddCharSet)         \
    X(FcCharSetCreate)             \
    X(FcCharSetAddChar)            \
    X(FcCharSetDestroy)            \
    X(FcCharSetHasChar)            \
    X(FcConfigSubstitute)          \
    X(FcDefaultSubstitute)         \
    X(FcFontSort)                  \
    X(FcFontSetDestroy)            \
    X(FcPatternGetBool)            \
    X(FcPatternGetString)          \
    X(FcPatternGetInteger)         \
    X(FcPatternGetCharSet)

#define LEXO_FRIBIDI_ENTRIES(X)  \
    X(fribidi_get_bidi_types)    \
    X(fribidi_get_bracket_types) \
    X(fribidi_get_par_embedding_levels_ex)

#define LEXO_SCRIPT_ENTRIES(X) \
    LEXO_FREETYPE_ENTRIES(X)   \
    LEXO_HARFBUZZ_ENTRIES(X)   \
    LEXO_FONTCONFIG_ENTRIES(X) \
    LEXO_FRIBIDI_ENTRIES(X)

// FreeType, HarfBuzz, fontconfig and FriBidi opened at run time instead of linked: the classic
// game never draws a word its bitmap fonts lack, so it starts without them, and a machine
// missing one still plays, those words drawn as replacement marks. Once opened they stay loaded
// for the rest of the process.
struct ScriptLibraries {
    // Opens the four libraries by their installed sonames and finds every entry; null when any
    // of that fails, with `error` saying what was missing.
    static std::shared_ptr<const ScriptLibraries> Open(std::string& error);

#define LEXO_SCRIPT_MEMBER(entry) decltype(&::entry) entry = nullptr;
    LEXO_SCRIPT_ENTRIES(LEXO_SCRIPT_MEMBER)
#undef LEXO_SCRIPT_MEMBER
};

}  // namespace lexo
