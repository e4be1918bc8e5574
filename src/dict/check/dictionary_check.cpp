#include "dict/check/dictionary_check.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <unordered_map>

#include "dict/check/file_checks.h"
#include "dict/check/installed_fonts.h"
#include "dict/check/languages_check.h"
#include "text/answer_text.h"
#include "text/cp1251.h"
#include "text/cp1251_fold.h"
#include "text/description_rows.h"
#include "text/dictionary_languages.h"
#include "text/latin_reading.h"
#include "text/unicode_text.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

std::string Quoted(std::string_view utf8) { return "\"" + Printable(utf8) + "\""; }

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The column (from 1) of the first character the field cannot draw: one the word font lacks
// that no installed font covers either, or that is of no script the system's fonts draw for
// the field; 0 for none.
size_t FirstUndrawable(const GameMetrics& metrics, InstalledFonts& fonts, std::string_view word) {
    const char* end = word.data() + word.size();
    size_t column = 1;
    for (const char* at = word.data(); at != end; ++column) {
        const char* start = at;
        if (!metrics.wordGlyphs.Next(at, end, TextEncoding::Utf8).missing) continue;
        auto offset = static_cast<int32_t>(start - word.data());
        UChar32 c;
        U8_NEXT(word.data(), offset, static_cast<int32_t>(word.size()), c);
        if (!IsOtherScriptCharacter(c) || !fonts.Cover(c)) return column;
    }
    return 0;
}

void CheckWords(const CheckedFile& names, const GameMetrics* metrics, CheckSummary& summary,
                Diagnostics& found) {
    InstalledFonts fonts;
    std::unordered_map<std::string, size_t> firstLine;
    WarningCap duplicates;
    for (size_t i = 0; i < names.lines.size(); ++i) {
        const std::string_view word = names.lines[i];
        if (IsBlank(word)) continue;
        ++summary.words;
        const auto [known, added] = firstLine.try_emplace(CaseFolded(word), i + 1);
        if (!added) {
            duplicates.Warning(
                found, names.name, i + 1,
                Quoted(word) + " is already on line " + std::to_string(known->second));
        }
        if (!metrics) continue;
        // U+FFFD stands for bytes already reported as an error.
        const bool undecoded = word.find("\xEF\xBF\xBD") != std::string_view::npos;
        const size_t column = FirstUndrawable(*metrics, fonts, word);
        if (column > 0 && !undecoded) {
            found.Warning(names.name, i + 1,
                          "column " + std::to_string(column) + " of " + Quoted(word) +
                              ": neither the word font nor an installed font has a letter for "
                              "this character, the field shows a replacement mark");
        }
        const int32_t width = DrawnWidth(*metrics, word, TextEncoding::Utf8);
        if (width > metrics->wordRoom) {
            found.Warning(names.name, i + 1,
                          Quoted(word) + " is " + std::to_string(width) +
                              " px wide in the word font: coming from the right, its monster "
                              "reaches the player before the word's end is on the field (" +
                              std::to_string(metrics->wordRoom) + " px)");
        }
    }
    duplicates.Finish(found, names.name, "words already on an earlier line");
    if (names.readable && summary.words == 0) {
        found.Error(names.name, 1, "no word: the game cannot start with this dictionary");
    }
}

void CheckTranslations(const CheckedFile& names2, const CheckedFile& names, CheckSummary& summary,
                       Diagnostics& found) {
    const size_t lines = names2.lines.size();
    for (size_t i = 0; i < std::min(lines, names.lines.size()); ++i) {
        const std::string_view translation = names2.lines[i];
        if (!IsBlank(names.lines[i]) && !IsBlank(translation)) ++summary.translations;
        if (translation.find_first_of(",;") != std::string_view::npos) {
            found.Warning(names2.name, i + 1,
                          "\",\" or \";\" between alternatives: the game "
                          "separates them by two spaces");
        }
    }
    if (!names2.readable || !names.readable) return;
    if (lines < names.lines.size()) {
        found.Warning(names2.name, lines + 1,
                      std::to_string(lines) + " lines, names.txt has " +
                          std::to_string(names.lines.size()) + ": words from line " +
                          std::to_string(lines + 1) + " on have no translation");
    } else if (lines > names.lines.size()) {
        found.Warning(names2.name, names.lines.size() + 1,
                      std::to_string(lines) + " lines, names.txt has " +
                          std::to_string(names.lines.size()) +
                          ": lines from here on are never used");
    }
    if (lines > 0 && std::all_of(names2.lines.begin(), names2.lines.end(), IsBlank)) {
        found.Warning(names2.name, 1, "no translations: only \"Ввод слов\" can be played");
    }
}

// readings.txt is optional; each of its lines gives Latin readings of the word on the same line
// of names.txt, to be typed on any keyboard.
void CheckReadings(const std::filesystem::path& folder, const CheckedFile& names,
                   Diagnostics& found) {
    std::error_code error;
    if (!fs::exists(folder / kReadingsFile, error)) return;
    const std::string path = (folder / kReadingsFile).string();
    const CheckedFile readings = ReadAndCheckFile(path, path, found);
    if (!readings.readable) return;
    CheckLineSpacing(readings, true, found);
    for (size_t i = 0; i < readings.lines.size(); ++i) {
        const std::string_view reading = readings.lines[i];
        if (reading.find_first_of(",;") != std::string_view::npos) {
            found.Warning(readings.name, i + 1,
                          "\",\" or \";\" between readings: the game separates them by two "
                          "spaces");
        }
        // The reading form keeps letters without marks: any not in a-z cannot be typed as is.
        const std::string typed = ReadingForm(reading);
        if (std::any_of(typed.begin(), typed.end(), [](char c) { return c & 0x80; })) {
            found.Warning(readings.name, i + 1,
                          Quoted(reading) +
                              " is not Latin: a reading is what a player types "
                              "on a Latin keyboard");
        }
    }
    if (names.readable && readings.lines.size() > names.lines.size()) {
        found.Warning(readings.name, names.lines.size() + 1,
                      std::to_string(readings.lines.size()) + " lines, names.txt has " +
                          std::to_string(names.lines.size()) +
                          ": lines from here on are never used");
    }
}

void CheckAbout(const CheckedFile& about, Diagnostics& found) {
    if (!about.readable) return;
    if (about.lines.empty() || IsBlank(about.lines[0])) {
        found.Warning(about.name, 1, "no title");
        return;
    }
    if (CharacterCount(about.lines[0]) > kDescriptionColumns) {
        found.Warning(about.name, 1,
                      "the title is longer than about " + std::to_string(kDescriptionColumns) +
                          " characters: the dialog splits it");
    }
    size_t rows = 0;
    for (size_t i = 1; i < about.lines.size(); ++i) {
        rows += DescriptionRows(about.lines[i]);
        if (rows > kDescriptionRows) {
            found.Warning(about.name, i + 1,
                          "the description needs scrolling from this line "
                          "on: the dialog shows about " +
                              std::to_string(kDescriptionRows) + " rows of " +
                              std::to_string(kDescriptionColumns) + " characters");
            return;
        }
    }
}

}  // namespace

CheckSummary CheckDictionary(const fs::path& folder, const GameMetrics* metrics,
                             Diagnostics& found) {
    const size_t errors = found.Errors();
    const size_t warnings = found.Warnings();
    auto read = [&](const char* file) {
        return ReadAndCheckFile((folder / file).string(), (folder / file).string(), found);
    };
    const CheckedFile about = read("about.txt");
    const CheckedFile names = read("names.txt");
    const CheckedFile names2 = read("names2.txt");

    CheckSummary summary;
    CheckAbout(about, found);
    CheckLineSpacing(about, true, found);
    // A description in another language is checked as about.txt is.
    for (const std::string& language : AboutLanguages(folder.string())) {
        const CheckedFile translated = read(AboutFileName(language).c_str());
        CheckAbout(translated, found);
        CheckLineSpacing(translated, true, found);
    }
    CheckLineSpacing(names, false, found);
    const bool noTranslations = std::all_of(names2.lines.begin(), names2.lines.end(), IsBlank);
    CheckLineSpacing(names2, noTranslations, found);
    CheckWords(names, metrics, summary, found);
    CheckTranslations(names2, names, summary, found);
    CheckReadings(folder, names, found);
    CheckLanguages(folder, found);
    summary.errors = found.Errors() - errors;
    summary.warnings = found.Warnings() - warnings;
    return summary;
}

std::string FormatSummary(const std::string& folder, const CheckSummary& summary) {
    auto count = [](size_t n, const char* one) {
        return std::to_string(n) + " " + one + (n == 1 ? "" : "s");
    };
    return folder + ": " + count(summary.words, "word") + ", " +
           count(summary.translations, "translation") + ", " + count(summary.errors, "error") +
           ", " + count(summary.warnings, "warning");
}

}  // namespace lexo::dict
