#include "text/unicode_text.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <cstdint>

namespace lexo {
namespace {

constexpr UChar32 kSmallShortI = 0x0439;  // й
constexpr UChar32 kSmallShortU = 0x045E;  // ў
// Private-use characters, which no dictionary holds and which nothing decomposes.
constexpr UChar32 kKeptShortI = 0xE000;
constexpr UChar32 kKeptShortU = 0xE001;
constexpr UChar32 kTatweel = 0x0640;

// Most answers and many words are plain Latin letters: they need no Unicode tables.
std::string AsciiMatchForm(std::string_view ascii) {
    std::string out(ascii);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return out;
}

// Letters whose mark is drawn through them, so that Unicode gives them no decomposition; a
// player without the key types the letter under the stroke.
UChar32 WithoutStroke(UChar32 c) {
    switch (c) {
        case 0x0142: return 'l';  // ł
        case 0x00F8: return 'o';  // ø
        case 0x0111: return 'd';  // đ
        case 0x0127: return 'h';  // ħ
        case 0x0167: return 't';  // ŧ
        case 0x0131: return 'i';  // ı
        default: return c;
    }
}

// Ligatures no keyboard has a key for, as the two letters a player types ("sœur" as "soeur").
const char* SpelledLigature(UChar32 c) {
    switch (c) {
        case 0x0153: return "oe";  // œ
        case 0x00E6: return "ae";  // æ
        default: return nullptr;
    }
}

// Katakana as the hiragana of the same sound, so that a word is hit in either kana.
UChar32 AsHiragana(UChar32 c) {
    if ((c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE) return c - 0x60;
    return c;
}

// Full-width Latin and half-width kana, which an input method may commit for the usual
// forms, as those forms (the width part of NFKC only).
icu::UnicodeString WidthFolded(const icu::UnicodeString& text, UErrorCode& status) {
    bool wide = false;
    for (int32_t i = 0; i < text.length() && !wide; ++i) wide = text[i] >= 0x3000;
    if (!wide) return text;
    const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(status);
    icu::UnicodeString out;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        const auto type = u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE);
        if ((type == U_DT_WIDE || type == U_DT_NARROW) && U_SUCCESS(status)) {
            out.append(nfkc->normalize(icu::UnicodeString(c), status));
        } else {
            out.append(c);
        }
    }
    return out;
}

bool HasUmlaut(const icu::UnicodeString& folded) {
    return folded.indexOf(u'ä') >= 0 || folded.indexOf(u'ö') >= 0 || folded.indexOf(u'ü') >= 0;
}

// The case-folded, composed text decomposed and written as UTF-8 without its marks.
std::string WithoutMarks(icu::UnicodeString text, UErrorCode& status) {
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    text.findAndReplace(icu::UnicodeString(kSmallShortI), icu::UnicodeString(kKeptShortI));
    text.findAndReplace(icu::UnicodeString(kSmallShortU), icu::UnicodeString(kKeptShortU));
    text = nfd->normalize(text, status);
    if (U_FAILURE(status)) return std::string();
    // Written as UTF-8 straight from the decomposed text, four bytes at most for each unit.
    const char16_t* units = text.getBuffer();
    const int32_t length = text.length();
    std::string out;
    out.resize_and_overwrite(static_cast<size_t>(length) * 4, [&](char* to, size_t) {
        size_t written = 0;
        for (int32_t i = 0; i < length;) {
            UChar32 c;
            U16_NEXT(units, i, length, c);
            // The Arabic tatweel only stretches a joined letter.
            if (u_charType(c) == U_NON_SPACING_MARK || c == kTatweel) continue;
            if (const char* spelled = SpelledLigature(c)) {
                to[written++] = spelled[0];
                to[written++] = spelled[1];
                continue;
            }
            c = c == kKeptShortI   ? kSmallShortI
                : c == kKeptShortU ? kSmallShortU
                                   : AsHiragana(WithoutStroke(c));
            U8_APPEND_UNSAFE(to, written, c);
        }
        return written;
    });
    return out;
}

// The text composed and case folded, the form both match forms start from.
icu::UnicodeString ComposedFolded(std::string_view utf8, UErrorCode& status) {
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    // Composed first, so that a "й" typed as "и" and a breve stays "й".
    text = nfc->normalize(WidthFolded(text, status), status);
    text.foldCase();
    return text;
}

}  // namespace

bool IsAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

std::string MatchForm(std::string_view utf8) {
    if (IsAscii(utf8)) return AsciiMatchForm(utf8);
    UErrorCode status = U_ZERO_ERROR;
    // The letters that keep their breve stand aside as private characters while everything
    // is decomposed.
    std::string out = WithoutMarks(ComposedFolded(utf8, status), status);
    return U_FAILURE(status) ? std::string(utf8) : out;
}

std::string UmlautSpelledMatchForm(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string();
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString text = ComposedFolded(utf8, status);
    if (U_FAILURE(status) || !HasUmlaut(text)) return std::string();
    text.findAndReplace(u"ä", u"ae").findAndReplace(u"ö", u"oe").findAndReplace(u"ü", u"ue");
    std::string out = WithoutMarks(text, status);
    return U_FAILURE(status) ? std::string() : out;
}

std::string CaseFolded(std::string_view utf8) {
    if (IsAscii(utf8)) return AsciiMatchForm(utf8);
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    std::string out;
    // "ё" and "е" are one letter to the game, so they make one word.
    text.foldCase().findAndReplace(u"ё", u"е").toUTF8String(out);
    return out;
}

size_t CharacterCount(std::string_view utf8) {
    size_t count = 0;
    for (char c : utf8) count += !U8_IS_TRAIL(static_cast<uint8_t>(c));
    return count;
}

std::string_view FirstCharacters(std::string_view utf8, size_t count) {
    const auto size = static_cast<int32_t>(utf8.size());
    int32_t at = 0;
    for (size_t i = 0; i < count && at < size; ++i) U8_FWD_1(utf8.data(), at, size);
    return utf8.substr(0, static_cast<size_t>(at));
}

}  // namespace lexo
