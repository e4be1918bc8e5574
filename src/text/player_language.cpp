#include "text/player_language.h"

#include <array>
#include <optional>
#include <string_view>

namespace lexo {
namespace {

constexpr std::array<std::string_view, 8> kTranslated = {"ru", "en", "de", "uk",
                                                         "fr", "es", "pl", "it"};

// "de_AT.UTF-8@euro" names the language "de".
std::string_view LanguageOf(std::string_view locale) {
    return locale.substr(0, locale.find_first_of("_.@"));
}

bool IsClassic(std::string_view locale) {
    const std::string_view language = LanguageOf(locale);
    return language == "C" || language == "POSIX";
}

std::optional<std::string> Translated(std::string_view locale) {
    for (std::string_view language : kTranslated) {
        if (LanguageOf(locale) == language) return std::string(language);
    }
    return std::nullopt;
}

PlayerLanguage Asked(std::string_view locale) { return {Translated(locale).value_or("en"), true}; }

}  // namespace

PlayerLanguage ChoosePlayerLanguage(const std::function<const char*(const char*)>& environment) {
    auto value = [&](const char* name) {
        const char* text = environment(name);
        return std::string_view(text == nullptr ? "" : text);
    };
    if (const std::string_view chosen = value("LEXODROME_LANGUAGE"); !chosen.empty()) {
        return IsClassic(chosen) ? PlayerLanguage{} : Asked(chosen);
    }
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = value(name);
        if (!locale.empty()) break;
    }
    if (locale.empty() || IsClassic(locale)) return {};
    // LANGUAGE lists the player's languages in order; the first one translated wins.
    std::string_view list = value("LANGUAGE");
    while (!list.empty()) {
        const size_t end = list.find(':');
        if (auto language = Translated(list.substr(0, end))) return {*language, true};
        list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
    }
    return Asked(locale);
}

}  // namespace lexo
