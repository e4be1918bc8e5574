#pragma once

#include <functional>
#include <string>

namespace lexo {

// The language the windows speak: "ru" (the texts as written in the code), "en", "de", "uk",
// "fr", "es", "pl" or "it".
struct PlayerLanguage {
    std::string code = "ru";
    // The player or the desktop asked for it; false for the classic game under the C or POSIX
    // locale or with no locale set, which also keeps Qt's own texts as they are.
    bool asked = false;
};

// The desktop's language as programs usually find it: LEXODROME_LANGUAGE when set, else the
// locale of LC_ALL, LC_MESSAGES or LANG (the first set), with the LANGUAGE list before it as
// gettext reads it (only beside a locale other than C). A language without a translation gives
// English. environment returns a variable's value, or null when it is unset.
PlayerLanguage ChoosePlayerLanguage(const std::function<const char*(const char*)>& environment);

}  // namespace lexo
