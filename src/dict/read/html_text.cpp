#include "dict/read/html_text.h"

#include <unicode/unistr.h>
#include <unicode/utf.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace lexo::dict {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNamedReferences{{
    {"nbsp", "\xC2\xA0"},
    {"amp", "&"},
    {"lt", "<"},
    {"gt", ">"},
    {"quot", "\""},
    {"apos", "'"},
}};

// Whether a tag (its text between < and >) ends a line of the note. A block's start counts
// too: Anki's editor writes a second line as "first<div>second</div>".
bool BreaksLine(std::string_view tag) {
    const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/>", 1));
    auto is = [name](std::string_view known) {
        return std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    };
    return is("br") || is("div") || is("/div") || is("p") || is("/p") || is("/li") || is("br/");
}

// The text of a reference's name ("amp", "#233", "#xE9"), or nothing.
std::string Resolve(std::string_view name) {
    for (const auto& [known, text] : kNamedReferences) {
        if (name == known) return std::string(text);
    }
    if (name.size() < 2 || name[0] != '#') return {};
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size() || code == 0 ||
        code > 0x10FFFF || U_IS_SURROGATE(code)) {
        return {};
    }
    std::string utf8;
    icu::UnicodeString(static_cast<UChar32>(code)).toUTF8String(utf8);
    return utf8;
}

}  // namespace

std::string ReduceHtml(std::string_view html) {
    std::string text;
    text.reserve(html.size());
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            const size_t close = html.find('>', i);
            if (close == std::string_view::npos) {
                text += c;
                continue;
            }
            if (BreaksLine(html.substr(i + 1, close - i - 1))) text += '\n';
            i = close;
        } else if (c == '&') {
            const size_t semicolon = html.find(';', i);
            const std::string resolved = semicolon == std::string_view::npos || semicolon - i > 10
                                             ? std::string()
                                             : Resolve(html.substr(i + 1, semicolon - i - 1));
            if (resolved.empty()) {
                text += c;
            } else {
                text += resolved;
                i = semicolon;
            }
        } else {
            text += c;
        }
    }
    return text;
}

std::string EscapeHtml(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            case '\'': escaped += "&#39;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

}  // namespace lexo::dict
