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

// Unicode code points of CP1251 bytes 0x80-0xBF; 0 marks the one unassigned byte (0x98).
constexpr std::array<char16_t, 64> kHighPage = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

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
    if (code == 0x00DF) {  // ß
        out += "ss";
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

char32_t Cp1251CodePoint(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);  // А-я in alphabetical order
    return kHighPage[byte - 0x80];
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

std::string Utf8ToNearestCp1251(std::string_view utf8) {
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
