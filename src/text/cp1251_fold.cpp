#include "text/cp1251_fold.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "text/cp1251.h"

namespace lexo::dict {
namespace {

constexpr UChar32 kCombiningAcute = 0x0301;
// CP1251 holds it (0xAD), yet it is as invisible as a zero-width joiner.
constexpr UChar32 kSoftHyphen = 0x00AD;

std::string ToUtf8(const icu::UnicodeString& text) {
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

std::string ToUtf8(UChar32 c) { return ToUtf8(icu::UnicodeString(c)); }

bool IsCyrillicVowel(UChar32 c) {
    static const icu::UnicodeString vowels = u"аеёиоуыэюяАЕЁИОУЫЭЮЯіїєІЇЄ";
    return c > 0 && vowels.indexOf(c) >= 0;
}

bool IsBlank(UChar32 c) { return u_isUWhiteSpace(c) || c == '\t'; }

// One space between words and none at the ends, again, after replacements that dropped a
// character between two blanks or brought blanks of their own.
void CollapseSpaces(std::string& text) {
    std::string collapsed;
    for (char c : text) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' ')) continue;
        collapsed += c;
    }
    if (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
    text = std::move(collapsed);
}

}  // namespace

std::string DescribeCharacter(UChar32 c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    char name[128] = "";
    UErrorCode status = U_ZERO_ERROR;
    u_charName(c, U_UNICODE_CHAR_NAME, name, sizeof name, &status);
    std::string described = "'" + (u_isprint(c) ? ToUtf8(c) : std::string("?")) + "' (" + code;
    if (U_SUCCESS(status) && name[0] != '\0') described += std::string(" ") + name;
    return described + ")";
}

const std::array<char16_t, 256>& Cp1251Characters() {
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> table{};
        for (size_t byte = 1; byte < table.size(); ++byte) {
            table[byte] = static_cast<char16_t>(Cp1251CodePoint(static_cast<unsigned char>(byte)));
        }
        return table;
    }();
    return characters;
}

bool IsOtherScriptCharacter(UChar32 c) {
    static constexpr UScriptCode kScripts[] = {
        USCRIPT_HAN,    USCRIPT_HIRAGANA,   USCRIPT_KATAKANA, USCRIPT_HANGUL,   USCRIPT_ARABIC,
        USCRIPT_HEBREW, USCRIPT_DEVANAGARI, USCRIPT_THAI,     USCRIPT_GEORGIAN, USCRIPT_ARMENIAN,
    };
    // Emoji and private characters are no script's letters, even where a script lists them.
    if (!u_isdefined(c) || u_iscntrl(c) || u_charType(c) == U_PRIVATE_USE_CHAR ||
        u_hasBinaryProperty(c, UCHAR_EMOJI_PRESENTATION)) {
        return false;
    }
    for (const UScriptCode script : kScripts) {
        if (uscript_hasScript(c, script)) return true;
    }
    return false;
}

bool IsInvisibleCharacter(UChar32 c) {
    return u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
}

bool IsDrawnCharacter(UChar32 c) {
    if (IsOtherScriptCharacter(c)) return true;
    const bool latin = (c >= 0x00A0 && c <= 0x017F) || (c >= 0x0218 && c <= 0x021B);
    const bool greek = c >= 0x0370 && c <= 0x03FF;
    const bool cyrillic = c >= 0x0400 && c <= 0x04FF;
    if ((latin || greek || cyrillic) && u_isdefined(c) && !u_iscntrl(c)) return true;
    const auto& characters = Cp1251Characters();
    return c >= 0x20 && c < 0x10000 &&
           std::find(characters.begin(), characters.end(), static_cast<char16_t>(c)) !=
               characters.end();
}

Cp1251Folder::Cp1251Folder(FoldTarget target) : target_(target) {
    const std::array<char16_t, 256>& characters = Cp1251Characters();
    for (size_t byte = 1; byte < characters.size(); ++byte) {
        if (characters[byte] != 0 && characters[byte] < kTableSize) {
            bytes_[characters[byte]] = static_cast<uint8_t>(byte);
        }
    }
    UErrorCode status = U_ZERO_ERROR;
    nfc_ = icu::Normalizer2::getNFCInstance(status);
    latinAscii_.reset(icu::Transliterator::createInstance("Latin-ASCII", UTRANS_FORWARD, status));
    if (U_FAILURE(status) || !latinAscii_) {
        throw std::runtime_error(std::string("ICU could not be set up: ") + u_errorName(status));
    }
}

Cp1251Folder::~Cp1251Folder() = default;

void Cp1251Folder::Fold(std::string_view utf8, std::vector<FoldNote>& notes,
                        std::string& out) const {
    out.clear();
    if (FoldDirectly(utf8, out)) {
        if (target_ == FoldTarget::Unicode) out = Cp1251ToUtf8(out);
        return;
    }

    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    if (!nfc_->isNormalized(text, status)) text = nfc_->normalize(text, status);

    out.clear();
    bool blankPending = false;
    UChar32 previous = 0;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (IsBlank(c)) {
            blankPending = true;
        } else {
            if (blankPending && !out.empty()) out += ' ';
            blankPending = false;
            if (IsInvisibleCharacter(c)) {
                FoldOther(c, previous, out, notes);
            } else if (target_ == FoldTarget::Unicode) {
                if (!AppendDrawn(c, out)) {
                    std::string folded;
                    FoldOther(c, previous, folded, notes);
                    out += Cp1251ToUtf8(folded);
                }
            } else if (!AppendByte(c, out)) {
                FoldOther(c, previous, out, notes);
            }
        }
        previous = c;
    }
    CollapseSpaces(out);
}

// The common case, without ICU's strings: every character is a blank or one CP1251 holds, so
// the text is already NFC (CP1251 has no combining marks) and nothing needs a note.
bool Cp1251Folder::FoldDirectly(std::string_view utf8, std::string& out) const {
    // CP1251 never takes more bytes than UTF-8: written in place, cut to size at the end.
    out.resize(utf8.size());
    char* const start = out.data();
    char* next = start;
    const auto* data = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    bool blankPending = false;
    for (int32_t i = 0; i < length;) {
        UChar32 c = data[i];
        // Two-byte letters (Cyrillic) read here; ICU reads the rest and what is not UTF-8.
        if (c >= 0xC2 && c <= 0xDF && i + 1 < length && (data[i + 1] & 0xC0) == 0x80) {
            c = (c & 0x1F) << 6 | (data[i + 1] & 0x3F);
            i += 2;
        } else {
            U8_NEXT(data, i, length, c);
        }
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blankPending = true;
            continue;
        }
        if (blankPending && next != start) *next++ = ' ';
        blankPending = false;
        if (c < 0x20 || c == 0xA0 || c == kSoftHyphen || c >= kTableSize || bytes_[c] == 0) {
            out.clear();
            return false;
        }
        *next++ = static_cast<char>(bytes_[c]);
    }
    out.resize(static_cast<size_t>(next - start));
    return true;
}

bool Cp1251Folder::AppendByte(UChar32 c, std::string& out) const {
    if (c < 0x20 || c >= kTableSize || bytes_[c] == 0) return false;
    out += static_cast<char>(bytes_[c]);
    return true;
}

// Appends the character as UTF-8 when the game draws it as it is. A stress mark stays out: the
// game's fonts draw no marks of their own; the vowel signs and points of the other scripts are
// drawn with their letters by the system's fonts.
bool Cp1251Folder::AppendDrawn(UChar32 c, std::string& out) const {
    if (!IsDrawnCharacter(c)) return false;
    if (u_charType(c) == U_NON_SPACING_MARK && !IsOtherScriptCharacter(c)) return false;
    char bytes[U8_MAX_LENGTH];
    int32_t length = 0;
    U8_APPEND_UNSAFE(bytes, length, c);
    out.append(bytes, static_cast<size_t>(length));
    return true;
}

void Cp1251Folder::FoldOther(UChar32 c, UChar32 previous, std::string& out,
                             std::vector<FoldNote>& notes) const {
    const std::string character = DescribeCharacter(c);
    if (const char* spelling = GermanSpelling(c)) {
        out += spelling;
        notes.push_back({c, false, character + " written as \"" + spelling + "\""});
        return;
    }
    if (c == kCombiningAcute && IsCyrillicVowel(previous)) {
        notes.push_back({c, false, "stress mark " + character + " dropped"});
        return;
    }
    if (IsInvisibleCharacter(c)) {
        notes.push_back({c, false, "invisible character " + character + " dropped"});
        return;
    }
    icu::UnicodeString plain(c);
    latinAscii_->transliterate(plain);
    if (!u_iscntrl(c) && plain != icu::UnicodeString(c) && !plain.isEmpty() &&
        Encode(std::u16string_view(plain.getBuffer(), static_cast<size_t>(plain.length())), out)) {
        notes.push_back({c, false, character + " written as \"" + ToUtf8(plain) + "\""});
        return;
    }
    notes.push_back({c, true,
                     target_ == FoldTarget::Unicode
                         ? "character " + character + " is outside the scripts the game draws"
                         : "character " + character + " cannot be written in CP1251"});
}

// Appends the CP1251 form of text when every character of it has one.
bool Cp1251Folder::Encode(std::u16string_view text, std::string& out) const {
    std::string encoded;
    for (char16_t unit : text) {
        if (unit >= kTableSize || bytes_[unit] == 0 || unit < 0x20) return false;
        encoded += static_cast<char>(bytes_[unit]);
    }
    out += encoded;
    return true;
}

}  // namespace lexo::dict
