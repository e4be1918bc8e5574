#pragma once

#include <unicode/normalizer2.h>
#include <unicode/translit.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lexo::dict {

// The character of each CP1251 byte (text/cp1251_code_points.h); 0 for the NUL byte and for the
// one byte (0x98) CP1251 leaves unassigned.
const std::array<char16_t, 256>& Cp1251Characters();

// A character that was changed on its way into CP1251 (a warning) or could not be (an error).
struct FoldNote {
    UChar32 character = 0;
    bool error = false;
    std::string text;  // UTF-8, says what happened
};

// What the folded text is written in.
enum class FoldTarget {
    // Every character CP1251 lacks takes its nearest CP1251 form.
    Cp1251,
    // UTF-8: the letters of the scripts the game draws (Latin with its diacritics, Greek,
    // Cyrillic) stay as written; other characters are folded as for CP1251.
    Unicode,
};

// Turns UTF-8 text into the CP1251 the game reads: NFC first, every run of blanks (and line
// ends) becomes one space, blanks at the ends go. Characters CP1251 lacks take their nearest
// CP1251 form: German umlauts and ß as ae oe ue ss, other Latin letters without their marks,
// typographic punctuation as its plain form; stress marks over Cyrillic vowels and invisible
// characters are dropped. Anything else is an error. With FoldTarget::Unicode the text stays
// UTF-8 and only what the game cannot draw is folded.
class Cp1251Folder {
  public:
    explicit Cp1251Folder(FoldTarget target = FoldTarget::Cp1251);
    ~Cp1251Folder();
    Cp1251Folder(const Cp1251Folder&) = delete;
    Cp1251Folder& operator=(const Cp1251Folder&) = delete;

    // Replaces `out` by the CP1251 text; appends one note per changed or refused character.
    void Fold(std::string_view utf8, std::vector<FoldNote>& notes, std::string& out) const;

    FoldTarget Target() const { return target_; }

  private:
    // CP1251 byte of each code point below kTableSize; 0 where CP1251 has none.
    static constexpr UChar32 kTableSize = 0x2200;

    bool FoldDirectly(std::string_view utf8, std::string& out) const;
    bool AppendByte(UChar32 c, std::string& out) const;
    bool AppendDrawn(UChar32 c, std::string& out) const;
    void FoldOther(UChar32 c, UChar32 previous, std::string& out,
                   std::vector<FoldNote>& notes) const;
    bool Encode(std::u16string_view text, std::string& out) const;

    std::array<uint8_t, kTableSize> bytes_{};
    const icu::Normalizer2* nfc_ = nullptr;
    std::unique_ptr<icu::Transliterator> latinAscii_;
    FoldTarget target_;
};

// Whether the game draws the character as it is: a letter or mark of Latin (with the
// diacritics of European languages), Greek or Cyrillic, a character CP1251 holds, or one of
// the other scripts below.
bool IsDrawnCharacter(UChar32 c);

// Whether the character belongs to a script the field draws with the system's fonts: Han
// (simplified and traditional), kana, Hangul, Arabic, Hebrew, Devanagari, Thai, Georgian,
// Armenian, with the marks and punctuation they share with other scripts; emoji and private
// characters never.
bool IsOtherScriptCharacter(UChar32 c);

// Whether the character shows nothing yet makes a word differ from the one typed: the soft
// hyphen, zero-width joiners and spaces, direction marks (Unicode's default ignorables).
bool IsInvisibleCharacter(UChar32 c);

// "'é' (U+00E9 LATIN SMALL LETTER E WITH ACUTE)": how messages name a character.
std::string DescribeCharacter(UChar32 c);

}  // namespace lexo::dict
