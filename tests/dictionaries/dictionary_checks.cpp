#include "dictionary_checks.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <fstream>
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

// True when every character of the UTF-8 text is a letter of `script` that `letter` accepts
// (told whether the letter starts a word), or one of `marks`. A Latin "o" in a Russian word
// cannot be typed on one layout.
template <typename Letter>
bool InOneScript(std::string_view text, UScriptCode script, std::u32string_view marks,
                 Letter letter) {
    bool wordStart = true;
    for (int32_t pos = 0; pos < static_cast<int32_t>(text.size());) {
        UChar32 c = 0;
        U8_NEXT(text.data(), pos, static_cast<int32_t>(text.size()), c);
        if (c >= 0 && marks.find(static_cast<char32_t>(c)) != std::u32string_view::npos) {
            wordStart = true;
            continue;
        }
        UErrorCode status = U_ZERO_ERROR;
        if (c < 0 || !u_isalpha(c) || !letter(c, wordStart) ||
            uscript_getScript(c, &status) != script) {
            return false;
        }
        wordStart = false;
    }
    return true;
}

bool AnyLetter(UChar32, bool) { return true; }

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

// The game shows a translation as the answer to type: capitals would ask for Shift, so only
// languages that write them at the start of a word (German nouns, English month names) have them.
bool SmallLetter(UChar32 c, bool) { return !u_isupper(c) && !u_istitle(c); }
bool SmallOrStartingLetter(UChar32 c, bool wordStart) { return wordStart || SmallLetter(c, false); }

bool CapitalizesWords(std::string_view language) {
    return language.starts_with("de") || language.starts_with("en");
}

// Ukrainian writes an apostrophe between letters (м'ясо); anywhere else it is a typing slip.
std::string WithoutInnerApostrophes(std::string_view text) {
    std::string kept(text);
    for (size_t i = kept.size(); i-- > 1;) {
        const bool inner = kept[i] == '\'' && i + 1 < kept.size() && kept[i - 1] != ' ' &&
                           kept[i + 1] != ' ' && kept[i - 1] != '\'' && kept[i + 1] != '\'';
        if (inner) kept.erase(i, 1);
    }
    return kept;
}

// A word may end in a note for its learners, "der Hund (Hunde)" or "l'œuf (m)": the note is
// read, not typed, and holds letters, blanks and the marks of a plural ending or an abbreviation.
std::string_view WithoutNote(std::string_view word, bool& noteFine) {
    noteFine = true;
    if (!word.ends_with(')')) return word;
    const size_t open = word.rfind(" (");
    if (open == std::string_view::npos) return word;
    noteFine = InOneScript(word.substr(open + 2, word.size() - open - 3), USCRIPT_LATIN, U" -.,",
                           AnyLetter);
    return word.substr(0, open);
}

}  // namespace

DictionaryFiles MakeDictionaryFiles(std::string folder, std::string names, std::string names2,
                                    std::string translationLanguage) {
    DictionaryFiles dictionary;
    dictionary.translationLanguage = std::move(translationLanguage);
    dictionary.folder = std::move(folder);
    dictionary.namesText = std::move(names);
    dictionary.names2Text = std::move(names2);
    dictionary.names.SetText(dictionary.namesText);
    dictionary.names2.SetText(dictionary.names2Text);
    return dictionary;
}

DictionaryFiles ReadDictionaryFiles(const std::filesystem::path& folder) {
    std::string words, translations;
    std::ifstream(folder / "languages.txt") >> words >> translations;
    return MakeDictionaryFiles(folder.filename().string(),
                               ReadDictionaryFile((folder / "names.txt").string()),
                               ReadDictionaryFile((folder / "names2.txt").string()), translations);
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

std::vector<std::string> CheckWordScripts(const DictionaryFiles& dictionary) {
    std::vector<std::string> faults;
    for (size_t i = 0; i < dictionary.names.Count(); ++i) {
        bool noteFine = true;
        const std::string_view word = WithoutNote(dictionary.names[i], noteFine);
        const bool other =
            InOneWritingSystem(word, {USCRIPT_HAN, USCRIPT_HIRAGANA, USCRIPT_KATAKANA}) ||
            InOneWritingSystem(word, {USCRIPT_HANGUL}) ||
            InOneWritingSystem(word, {USCRIPT_ARABIC}) ||
            InOneWritingSystem(word, {USCRIPT_HEBREW}) ||
            InOneWritingSystem(word, {USCRIPT_DEVANAGARI});
        if (!noteFine || (!InOneScript(word, USCRIPT_LATIN, U" -'", AnyLetter) &&
                          !InOneScript(word, USCRIPT_CYRILLIC, U" -'", AnyLetter) && !other)) {
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
        const auto letter =
            CapitalizesWords(dictionary.translationLanguage) ? SmallOrStartingLetter : SmallLetter;
        if (!InOneScript(WithoutInnerApostrophes(translation), USCRIPT_CYRILLIC, U" -", letter) &&
            !InOneScript(translation, USCRIPT_LATIN, U" -'", letter)) {
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
