#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "script_libraries.h"

namespace lexo {

// One font of the system, opened for the first character that needs it.
struct ScriptFace {
    FT_Face face = nullptr;
    hb_font_t* shaper = nullptr;  // HarfBuzz's view of the same face, at the same size
    int em = 0;                   // the pixel size both are set to
    const FcCharSet* charset = nullptr;
};

// The system's fonts in fontconfig's order of fallback for a bold sans face in the language
// of a character's script (so Han finds a Chinese face, Arabic one made for Arabic): each
// character is drawn by the first font of its order whose character set holds it, so a word
// falls back font by font, script by script. Fonts are opened only when a character needs them.
class ScriptFonts {
  public:
    // Null when FreeType or fontconfig cannot start.
    static std::unique_ptr<ScriptFonts> Open(std::shared_ptr<const ScriptLibraries> libraries);
    ~ScriptFonts();
    ScriptFonts(const ScriptFonts&) = delete;
    ScriptFonts& operator=(const ScriptFonts&) = delete;

    static constexpr int kNone = -1;

    // The face that draws `code`: `previous` (the face of the character before it) when that
    // one has it, so a mark or a vowel sign stays with its letter and a word keeps one face
    // while it can; else the first font of its script's order that has it; kNone when no font
    // has it.
    int FaceFor(char32_t code, int previous);
    // A face FaceFor gave, set to `em` pixels.
    const ScriptFace& Face(int index, int em);
    FT_Library FreeType() const { return freetype_; }

  private:
    explicit ScriptFonts(std::shared_ptr<const ScriptLibraries> libraries);
    bool Has(int face, char32_t code) const;
    const FcFontSet* Order(const char* language);
    int Opened(FcPattern* font);

    std::shared_ptr<const ScriptLibraries> lib_;
    FT_Library freetype_ = nullptr;
    FcConfig* config_ = nullptr;
    std::map<std::string, FcFontSet*> orders_;           // by language, "" for none
    std::map<std::pair<std::string, int>, int> opened_;  // face by file and index; kNone: refused
    std::vector<ScriptFace> faces_;
    std::unordered_map<char32_t, int> chosen_;
};

}  // namespace lexo
