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
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    // Composed first, so that a "й" typed as "и" and a breve stays "й"; the letters that keep
    // their breve stand aside as private characters while everything is decomposed.
    text = nfc->normalize(text, status);
    text.foldCase();
    text.findAndReplace(icu::UnicodeString(kSmallShortI), icu::UnicodeString(kKeptShortI));
    text.findAndReplace(icu::UnicodeString(kSmallShortU), icu::UnicodeString(kKeptShortU));
    text = nfd->normalize(text, status);
    if (U_FAILURE(status)) return std::string(utf8);
    // Written as UTF-8 straight from the decomposed text, four bytes at most for each unit.
    const char16_t* units = text.getBuffer();
    const int32_t length = text.length();
    std::string out;
    out.resize_and_overwrite(static_cast<size_t>(length) * 4, [&](char* to, size_t) {
        size_t written = 0;
        for (int32_t i = 0; i < length;) {
            UChar32 c;
            U16_NEXT(units, i, length, c);
            if (u_charType(c) == U_NON_SPACING_MARK) continue;
            c = c == kKeptShortI   ? kSmallShortI
                : c == kKeptShortU ? kSmallShortU
                                   : WithoutStroke(c);
            U8_APPEND_UNSAFE(to, written, c);
        }
        return written;
    });
    return out;
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
