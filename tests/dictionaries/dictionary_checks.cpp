#include "dictionary_checks.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "text/text_file.h"

namespace lexo {
namespace {

std::string Where(const DictionaryFiles& dictionary, std::string_view file, size_t index,
                  std::string_view entry) {
    return dictionary.folder + "/" + std::string(file) + " line " + std::to_string(index + 1) +
           " \"" + std::string(entry) + "\": ";
}

// True when every character of the UTF-8 text is a letter of `script` that `letter` accepts,
// or one of `marks`. A Latin "o" in a Russian word cannot be typed on one layout.
template <typename Letter>
bool InOneScript(std::string_view text, UScriptCode script, std::u32string_view marks,
                 Letter letter) {
    for (int32_t pos = 0; pos < static_cast<int32_t>(text.size());) {
        UChar32 c = 0;
        U8_NEXT(text.data(), pos, static_cast<int32_t>(text.size()), c);
        if (c >= 0 && marks.find(static_cast<char32_t>(c)) != std::u32string_view::npos) continue;
        UErrorCode status = U_ZERO_ERROR;
        if (c < 0 || !u_isalpha(c) || !letter(c) || uscript_getScript(c, &status) != script) {
            return false;
        }
    }
    return true;
}

bool AnyLetter(UChar32) { return true; }

// True when every character is a letter or vowel sign of one of the writing system's scripts
// (Japanese writes kanji and both kana), or a space. Marks and signs a script shares (the
// prolonged sound mark of kana) count by the scripts they are used with.
bool InOneWritingSystem(std::string_view text, std::initializer_list<UScriptCode> scripts) {
    for (int32_t pos = 0; pos < static_cast<int32_t>(text.size());) {
        UChar32 c = 0;
        U8_NEXT(text.data(), pos, static_cast<int32_t>(text.size()), c);
        if (c == ' ') continue;
        const int8_t type = c < 0 ? 0 : u_charType(c);
        const bool letter =
            u_isalpha(c) || type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK;
        if (c < 0 || !letter ||
            std::none_of(scripts.begin(), scripts.end(),
                         [c](UScriptCode script) { return uscript_hasScript(c, script); })) {
            return false;
        }
    }
    return true;
}

// The game shows a translation as the answer to type: capitals would ask for Shift.
bool SmallLetter(UChar32 c) { return !u_isupper(c) && !u_istitle(c); }

}  // namespace

DictionaryFiles MakeDictionaryFiles(std::string folder, std::string names, std::string names2) {
    DictionaryFiles dictionary;
    dictionary.folder = std::move(folder);
    dictionary.namesText = std::move(names);
    dictionary.names2Text = std::move(names2);
    dictionary.names.SetText(dictionary.namesText);
    dictionary.names2.SetText(dictionary.names2Text);
    return dictionary;
}

DictionaryFiles ReadDictionaryFiles(const std::filesystem::path& folder) {
    return MakeDictionaryFiles(folder.filename().string(),
                               ReadDictionaryFile((folder / "names.txt").string()),
                               ReadDictionaryFile((folder / "names2.txt").string()));
}

std::vector<std::filesystem::path> FindDictionaryFolders(const std::filesystem::path& gameDir) {
    std::vector<std::filesystem::path> folders;
    for (const auto& entry : std::filesystem::directory_iterator(gameDir)) {
        if (!entry.is_directory()) continue;
        const auto& path = entry.path();
        if (std::filesystem::is_regular_file(path / "about.txt") &&
            std::filesystem::is_regular_file(path / "names.txt") &&
            std::filesystem::is_regular_file(path / "names2.txt")) {
            folders.push_back(path);
        }
    }
    std::sort(folders.begin(), folders.end());
    return folders;
}

std::vector<std::string> CheckWords(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    for (size_t i = 0; i < dictionary.names.Count(); ++i) {
        std::string_view word = dictionary.names[i];
        const bool other =
            InOneWritingSystem(word, {USCRIPT_HAN, USCRIPT_HIRAGANA, USCRIPT_KATAKANA}) ||
            InOneWritingSystem(word, {USCRIPT_HANGUL}) ||
            InOneWritingSystem(word, {USCRIPT_ARABIC}) ||
            InOneWritingSystem(word, {USCRIPT_HEBREW}) ||
            InOneWritingSystem(word, {USCRIPT_DEVANAGARI});
        if (!InOneScript(word, USCRIPT_LATIN, U" -'", AnyLetter) &&
            !InOneScript(word, USCRIPT_CYRILLIC, U" -'", AnyLetter) && !other) {
            faults.push_back(Where(dictionary, "names.txt", i, word) +
                             "holds a character other than letters of one alphabet (Latin or "
                             "Cyrillic) or of one writing system (Chinese, Japanese, Korean, "
                             "Arabic, Hebrew, Devanagari), a space, a hyphen or an apostrophe");
        }
    }
    return faults;
}

std::vector<std::string> CheckTranslations(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    size_t used = std::min(dictionary.names.Count(), dictionary.names2.Count());
    for (size_t i = 0; i < used; ++i) {
        std::string_view translation = dictionary.names2[i];
        std::string where = Where(dictionary, "names2.txt", i, translation);
        if (!InOneScript(translation, USCRIPT_CYRILLIC, U" -", SmallLetter) &&
            !InOneScript(translation, USCRIPT_LATIN, U" -'", SmallLetter)) {
            faults.push_back(where +
                             "holds a character other than small letters of one alphabet "
                             "(Cyrillic, or Latin with the apostrophe), a space or a hyphen");
        }
        // Two spaces part alternatives; a third would start one with a space.
        if (translation.find("   ") != std::string_view::npos) {
            faults.push_back(where + "has three spaces in a row");
        }
    }
    return faults;
}

size_t CountAlternatives(std::string_view translation) {
    size_t count = 0;
    for (size_t pos = 0; pos <= translation.size();) {
        size_t end = std::min(translation.find("  ", pos), translation.size());
        if (end > pos) ++count;
        pos = end + 2;
    }
    return count;
}

}  // namespace lexo
