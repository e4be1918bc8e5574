#include "text/cp1251.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <array>
#include <cstdint>
#include <cstring>

namespace lexo {
namespace {

// The CP1251 byte of every code point up to the highest CP1251 holds (U+2122), 0 where it has
// none: a plain index, as every character of every imported line is looked up.
constexpr char32_t kHighestCp1251CodePoint = 0x2122;

const std::array<unsigned char, kHighestCp1251CodePoint + 1>& FromUnicodeTable() {
    static const auto table = [] {
        std::array<unsigned char, kHighestCp1251CodePoint + 1> bytes{};
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char32_t code = Cp1251CodePoint(static_cast<unsigned char>(byte));
            if (code != 0) bytes[code] = static_cast<unsigned char>(byte);
        }
        return bytes;
    }();
    return table;
}

// Calls visit(code) for each character of UTF-8 text; a malformed sequence gives a negative code.
template <typename Visit>
void ForEachCodePoint(std::string_view utf8, Visit visit) {
    const auto size = static_cast<int32_t>(utf8.size());
    for (int32_t at = 0; at < size;) {
        UChar32 code;
        U8_NEXT(utf8.data(), at, size, code);
        visit(code);
    }
}

// The CP1251 byte of a code point, or 0 when CP1251 has none.
unsigned char Cp1251Byte(UChar32 code) {
    if (code >= 0 && code < 0x80) return static_cast<unsigned char>(code);
    const auto& table = FromUnicodeTable();
    return code < 0 || static_cast<size_t>(code) >= table.size() ? 0
                                                                 : table[static_cast<size_t>(code)];
}

// Appends the nearest CP1251 form of a character CP1251 lacks: its letters without their marks,
// or '?'.
void AppendNearest(UChar32 code, std::string& out) {
    if (const char* german = GermanSpelling(static_cast<char32_t>(code))) {
        out += german;
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString decomposed;
    std::string bare;
    if (U_SUCCESS(status) && nfd->getDecomposition(code, decomposed)) {
        for (int32_t i = 0; i < decomposed.length();) {
            const UChar32 part = decomposed.char32At(i);
            i += U16_LENGTH(part);
            if (u_charType(part) == U_NON_SPACING_MARK) continue;
            const unsigned char byte = Cp1251Byte(part);
            if (byte == 0) {
                bare.clear();
                break;
            }
            bare += static_cast<char>(byte);
        }
    }
    out += bare.empty() ? "?" : bare;
}

}  // namespace

const char* GermanSpelling(char32_t c) {
    switch (c) {
        case 0x00E4: return "ae";
        case 0x00F6: return "oe";
        case 0x00FC: return "ue";
        case 0x00DF: return "ss";
        case 0x00C4: return "Ae";
        case 0x00D6: return "Oe";
        case 0x00DC: return "Ue";
        case 0x1E9E: return "SS";
        default: return nullptr;
    }
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    // A million-line dictionary is converted as it loads: each byte's UTF-8 is looked up.
    static const auto kUtf8 = [] {
        std::array<std::array<char, 4>, 256> table{};  // the bytes, then their count
        for (int byte = 0; byte < 256; ++byte) {
            const char32_t code = Cp1251CodePoint(static_cast<unsigned char>(byte));
            size_t length = 0;
            U8_APPEND_UNSAFE(table[static_cast<size_t>(byte)].data(), length,
                             code == 0 && byte != 0 ? 0xFFFD : code);
            table[static_cast<size_t>(byte)][3] = static_cast<char>(length);
        }
        return table;
    }();
    std::string out;
    // Written straight into room made without filling it first.
    out.resize_and_overwrite(cp1251.size() * 3, [&](char* to, size_t) {
        size_t length = 0;
        for (char c : cp1251) {
            const std::array<char, 4>& utf8 = kUtf8[static_cast<unsigned char>(c)];
            std::memcpy(to + length, utf8.data(), 3);
            length += static_cast<size_t>(utf8[3]);
        }
        return length;
    });
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    ForEachCodePoint(utf8, [&out](UChar32 code) {
        const unsigned char byte = code < 0 ? 0 : Cp1251Byte(code);
        out += byte == 0 && code != 0 ? '?' : static_cast<char>(byte);
    });
    return out;
}

std::optional<std::string> ExactCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    bool fits = true;
    ForEachCodePoint(utf8, [&](UChar32 code) {
        const unsigned char byte = code < 0 ? 0 : Cp1251Byte(code);
        fits &= byte != 0 || code == 0;
        out += static_cast<char>(byte);
    });
    if (!fits) return std::nullopt;
    return out;
}

std::string Utf8ToDrawnCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    ForEachCodePoint(utf8, [&out](UChar32 code) {
        const unsigned char byte = code < 0 ? 0 : Cp1251Byte(code);
        if (byte != 0 || code == 0) {
            out += static_cast<char>(byte);
        } else {
            AppendNearest(code, out);
        }
    });
    return out;
}

char Cp1251ToLower(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 32);
    if (byte >= 0xC0 && byte <= 0xDF) return static_cast<char>(byte + 32);
    switch (byte) {
        case 0x80: return '\x90';  // Ђ
        case 0x81: return '\x83';  // Ѓ
        case 0x8A: return '\x9A';  // Љ
        case 0x8C: return '\x9C';  // Њ
        case 0x8D: return '\x9D';  // Ќ
        case 0x8E: return '\x9E';  // Ћ
        case 0x8F: return '\x9F';  // Џ
        case 0xA1: return '\xA2';  // Ў
        case 0xA3: return '\xBC';  // Ј
        case 0xA5: return '\xB4';  // Ґ
        case 0xA8: return '\xB8';  // Ё
        case 0xAA: return '\xBA';  // Є
        case 0xAF: return '\xBF';  // Ї
        case 0xB2: return '\xB3';  // І
        case 0xBD: return '\xBE';  // Ѕ
        default: return c;
    }
}

std::string Cp1251ToLower(std::string_view cp1251) {
    std::string out(cp1251);
    for (char& c : out) c = Cp1251ToLower(c);
    return out;
}

}  // namespace lexo
