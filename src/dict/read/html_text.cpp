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
// "&" and ";" with the longest name between them: "&#x10FFFF;".
constexpr size_t kLongestReference = 11;

// A tag's name, lower case compared: "div" of "DIV class=x", "/div" of "/div".
bool NameIs(std::string_view tag, std::string_view known) {
    const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/>", 1));
    return std::equal(name.begin(), name.end(), known.begin(), known.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

// Whether a tag (its text between < and >) ends a line of the note. A block's start counts
// too: Anki's editor writes a second line as "first<div>second</div>".
bool BreaksLine(std::string_view tag) {
    for (const std::string_view known : {"br", "div", "/div", "p", "/p", "/li", "br/"}) {
        if (NameIs(tag, known)) return true;
    }
    return false;
}

// The position of the '>' that closes the element `name` (as "</script >"), looked for from
// `from`, or npos when it is not closed.
size_t ClosingTag(std::string_view html, size_t from, std::string_view name) {
    for (size_t at = html.find("</", from); at != std::string_view::npos;
         at = html.find("</", at + 2)) {
        if (NameIs(html.substr(at + 2), name)) return html.find('>', at);
    }
    return std::string_view::npos;
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
    // Where the next '>' is, found once and kept until passed, so that a field of many '<'
    // without a '>' is still read in one pass.
    size_t nextClose = 0;
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<' && html.substr(i).starts_with("<!--")) {
            // A comment's text is no word, and one left open runs to the end, as in a browser.
            const size_t end = html.find("-->", i + 4);
            if (end == std::string_view::npos) break;
            i = end + 2;
        } else if (c == '<') {
            if (nextClose != std::string_view::npos && nextClose <= i)
                nextClose = html.find('>', i);
            if (nextClose == std::string_view::npos) {
                text += c;
                continue;
            }
            const std::string_view tag = html.substr(i + 1, nextClose - i - 1);
            if (BreaksLine(tag)) text += '\n';
            i = nextClose;
            // What a script or a style holds is code, not the note's text.
            for (const std::string_view hidden : {"script", "style"}) {
                if (!NameIs(tag, hidden)) continue;
                i = ClosingTag(html, i + 1, hidden);
                if (i == std::string_view::npos) return text;
            }
        } else if (c == '&') {
            // A reference is short: its ';' is looked for only within the longest one.
            const size_t semicolon = html.substr(i, kLongestReference).find(';');
            const std::string resolved = semicolon == std::string_view::npos
                                             ? std::string()
                                             : Resolve(html.substr(i + 1, semicolon - 1));
            if (resolved.empty()) {
                text += c;
            } else {
                text += resolved;
                i += semicolon;
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
