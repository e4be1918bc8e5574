#include "dict/write/dictionary_build.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>

#include "dict/read/input_text.h"
#include "text/cp1251.h"
#include "text/latin_reading.h"
#include "text/unicode_text.h"

namespace lexo::dict {
namespace {

// Where the alternative starting at `start` ends: at , ; | / or a line end. A "/" between "<"
// and ">" belongs to a tag written as text ("<b>кошка</b>" where the input is not HTML);
// `lastClose` is where the text's last ">" is.
size_t AlternativeEnd(std::string_view utf8, size_t start, size_t lastClose) {
    bool inTag = false;
    for (size_t i = start; i < utf8.size(); ++i) {
        switch (utf8[i]) {
            case '<': inTag = lastClose != std::string_view::npos && lastClose > i; break;
            case '>': inTag = false; break;
            case '/':
                if (!inTag) return i;
                break;
            case ',':
            case ';':
            case '|':
            case '\n':
            case '\r': return i;
            default: break;
        }
    }
    return utf8.size();
}

// Where a row's character is, for messages: "column N: " of the row's first line that holds it.
std::string ColumnOf(std::string_view raw, UChar32 c, size_t& line) {
    std::string utf8;
    icu::UnicodeString(c).toUTF8String(utf8);
    const size_t at = raw.find(utf8);
    if (at == std::string_view::npos) return {};
    const size_t lastEnd = raw.find_last_of("\r\n", at);
    const size_t lineStart = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
    line += LineAtOffset(raw, lineStart) - 1;
    const icu::UnicodeString before = icu::UnicodeString::fromUTF8(
        icu::StringPiece(raw.data() + lineStart, static_cast<int32_t>(at - lineStart)));
    return "column " + std::to_string(before.countChar32() + 1) + ": ";
}

class RowConverter {
  public:
    RowConverter(const Cp1251Folder& folder, const std::string& file, Diagnostics& found)
        : folder_(folder), file_(file), found_(found) {}

    bool Utf8() const { return folder_.Target() == FoldTarget::Unicode; }
    // Converted text as UTF-8, for comparing and for messages.
    std::string Utf8Of(const std::string& converted) const {
        return Utf8() ? converted : Cp1251ToUtf8(converted);
    }

    // The converted text; false when a character could not be converted.
    bool Convert(std::string_view utf8, size_t line, std::string_view raw, std::string& out) {
        notes_.clear();
        folder_.Fold(utf8, notes_, out);
        bool converted = true;
        // A character met again is placed at its first column: one line says it all.
        std::set<std::pair<UChar32, std::string_view>> reported;
        for (const FoldNote& note : notes_) {
            if (!reported.emplace(note.character, note.text).second) {
                converted &= !note.error;
                continue;
            }
            size_t at = line;
            const std::string column = ColumnOf(raw, note.character, at);
            if (note.error) {
                found_.Error(file_, at, column + note.text);
                converted = false;
            } else {
                found_.Warning(file_, at, column + note.text);
            }
        }
        return converted;
    }

    // Alternatives, each converted, joined by two spaces, without empty ones or repeats.
    bool ConvertAlternatives(std::string_view utf8, size_t line, std::string_view raw,
                             std::string& joined) {
        bool converted = true;
        const size_t lastClose = utf8.rfind('>');
        for (size_t start = 0; start <= utf8.size();) {
            const size_t end = AlternativeEnd(utf8, start, lastClose);
            converted &= Convert(utf8.substr(start, end - start), line, raw, alternative_);
            AddAlternative(joined, alternative_);
            start = end + 1;
        }
        return converted;
    }

    // Readings are never drawn: kept as written (NFC, tone marks and all, blanks tidied),
    // always UTF-8, split into alternatives as translations are.
    static std::string ReadingAlternatives(std::string_view utf8) {
        std::string joined;
        const size_t lastClose = utf8.rfind('>');
        for (size_t start = 0; start <= utf8.size();) {
            const size_t end = AlternativeEnd(utf8, start, lastClose);
            std::string tidied;
            for (char c : utf8.substr(start, end - start)) {
                const bool blank = static_cast<unsigned char>(c) <= ' ';
                if (blank && (tidied.empty() || tidied.back() == ' ')) continue;
                tidied += blank ? ' ' : c;
            }
            if (!tidied.empty() && tidied.back() == ' ') tidied.pop_back();
            AddAlternative(joined, Nfc(tidied));
            start = end + 1;
        }
        return joined;
    }

  private:
    static std::string Nfc(const std::string& utf8) {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
        std::string out;
        if (U_SUCCESS(status))
            nfc->normalize(icu::UnicodeString::fromUTF8(utf8), status).toUTF8String(out);
        return U_SUCCESS(status) ? out : utf8;
    }

    const Cp1251Folder& folder_;
    const std::string& file_;
    Diagnostics& found_;
    std::vector<FoldNote> notes_;
    std::string alternative_;
};

// A word without a translation in a list that has them is a row whose separator went missing
// (a comma where a tab belongs) more often than a word meant to have none.
void WarnUntranslated(const DictionaryLines& lines, const std::vector<size_t>& firstLines,
                      const RowConverter& converter, const std::string& file, Diagnostics& found) {
    const auto& translations = lines.names2;
    if (std::all_of(translations.begin(), translations.end(),
                    [](const std::string& translation) { return translation.empty(); }))
        return;
    WarningCap untranslated;
    for (size_t i = 0; i < translations.size(); ++i) {
        if (!translations[i].empty()) continue;
        untranslated.Warning(found, file, firstLines[i],
                             "\"" + Printable(converter.Utf8Of(lines.names[i])) +
                                 "\" has no translation: is the separator on this line missing?");
    }
    untranslated.Finish(found, file, "words without a translation");
}

// Converts the rows into `lines`' names and names2, a row whose word is already there joining
// its translations to the first one's.
void ConvertRows(const ParsedInput& input, bool swap, RowConverter& converter,
                 const std::string& file, Diagnostics& found, DictionaryLines& lines) {
    std::vector<std::string>& words = lines.names;
    std::vector<std::string>& translations = lines.names2;
    std::vector<size_t> firstLines;  // the line of each word kept
    words.reserve(input.entries.size());
    translations.reserve(input.entries.size());
    firstLines.reserve(input.entries.size());
    // The words kept so far by their folded form, as the game compares them: "Ёж" is "еж".
    std::unordered_map<std::string, size_t> byWord;
    byWord.reserve(input.entries.size());
    WarningCap duplicates;
    for (const SourceEntry& entry : input.entries) {
        const std::string_view word = swap ? entry.translation : entry.word;
        const std::string_view translation = swap ? entry.word : entry.translation;
        std::string& newWord = words.emplace_back();
        std::string& newTranslation = translations.emplace_back();
        std::string& newReading = lines.readings.emplace_back();
        bool converted = converter.Convert(word, entry.line, entry.raw, newWord);
        converted &=
            converter.ConvertAlternatives(translation, entry.line, entry.raw, newTranslation);
        newReading = RowConverter::ReadingAlternatives(entry.reading);
        const bool wordless = newWord.empty();
        if (converted && wordless && !newTranslation.empty())
            found.Error(file, entry.line, "a translation without a word");
        std::optional<size_t> known;
        if (converted && !wordless) {
            const auto [kept, added] =
                byWord.try_emplace(CaseFolded(converter.Utf8Of(newWord)), words.size() - 1);
            if (!added) known = kept->second;
        }
        if (converted && !wordless && !known) {
            firstLines.push_back(entry.line);
            continue;
        }
        if (known) {
            duplicates.Warning(found, file, entry.line,
                               "\"" + Printable(converter.Utf8Of(newWord)) + "\" is already on " +
                                   input.rowName + " " + std::to_string(firstLines[*known]) +
                                   ": translations joined");
            ForEachAlternative(newTranslation, [&](std::string_view alternative) {
                AddAlternative(translations[*known], alternative);
            });
            ForEachAlternative(newReading, [&](std::string_view alternative) {
                AddAlternative(lines.readings[*known], alternative);
            });
        }
        words.pop_back();
        translations.pop_back();
        lines.readings.pop_back();
    }
    duplicates.Finish(found, file,
                      "words already on an earlier " + input.rowName + ": translations joined");
    WarnUntranslated(lines, firstLines, converter, file, found);
}

// The given text's lines, converted, with messages named by `file` from line `line` on.
std::vector<std::string> ConvertLines(std::string_view utf8, size_t line, RowConverter& converter) {
    std::vector<std::string> lines;
    for (size_t start = 0; start <= utf8.size(); ++line) {
        const size_t end = std::min(utf8.find('\n', start), utf8.size());
        const std::string_view text = utf8.substr(start, end - start);
        lines.emplace_back();
        converter.Convert(text, line, text, lines.back());
        start = end + 1;
    }
    return lines;
}

// The line as it stands when CP1251 has each of its characters, else converted as a row is;
// in the folder's form (UTF-8 until the folder's encoding is chosen).
std::string ExactLine(std::string_view utf8, size_t line, std::string_view raw,
                      RowConverter& converter) {
    std::string cp1251 = Utf8ToCp1251(utf8);
    const bool fits = Cp1251ToUtf8(cp1251) == utf8;
    if (fits && converter.Utf8()) return std::string(utf8);
    if (fits) return cp1251;
    // Each alternative on its own: converting folds runs of spaces, and the two between
    // alternatives must stay.
    cp1251.clear();
    std::string converted;
    bool first = true;
    ForEachAlternative(utf8, [&](std::string_view alternative) {
        if (!first) cp1251 += kAlternativeSeparator;
        first = false;
        converter.Convert(alternative, line, raw, converted);
        cp1251 += converted;
    });
    return cp1251;
}

// Lines at the end beyond `count` are dropped only when empty: rows added since stay.
void KeepLines(std::vector<std::string>& lines, size_t count) {
    while (lines.size() > count && lines.back().empty()) lines.pop_back();
}

bool IsWordCountLine(std::string_view cp1251) {
    const std::string prefix = Utf8ToCp1251("Слов: ");
    if (!cp1251.starts_with(prefix) || !cp1251.ends_with(".")) return false;
    const std::string_view digits = cp1251.substr(prefix.size(), cp1251.size() - prefix.size() - 1);
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void ChooseFolderEncoding(DictionaryLines& lines) {
    // Converted in one pass; the first line CP1251 cannot hold keeps them all UTF-8.
    std::array<std::vector<std::string>*, 3> texts{&lines.about, &lines.names, &lines.names2};
    std::array<std::vector<std::string>, 3> converted;
    lines.utf8 = false;
    for (size_t i = 0; i < texts.size(); ++i) {
        converted[i].reserve(texts[i]->size());
        for (const std::string& line : *texts[i]) {
            std::optional<std::string> cp1251 = ExactCp1251(line);
            if (!cp1251) {
                lines.utf8 = true;
                return;
            }
            converted[i].push_back(std::move(*cp1251));
        }
    }
    for (size_t i = 0; i < texts.size(); ++i) *texts[i] = std::move(converted[i]);
}

std::vector<FolderFile> DictionaryFolderFiles(const DictionaryLines& lines) {
    auto join = [](const std::vector<std::string>& text, const FileEnd& ends) {
        size_t size = 0;
        for (const std::string& line : text) size += line.size() + ends.end.size();
        std::string joined;
        joined.reserve(size);
        for (const std::string& line : text) joined.append(line).append(ends.end);
        if (!ends.lastEnded && !text.empty()) joined.resize(joined.size() - ends.end.size());
        return joined;
    };
    std::vector<FolderFile> files = {{"about.txt", join(lines.about, lines.files[0])},
                                     {"names.txt", join(lines.names, lines.files[1])},
                                     {"names2.txt", join(lines.names2, lines.files[2])}};
    if (lines.languages)
        files.push_back({kLanguagesFile, LanguagesLine(*lines.languages) + "\r\n"});
    for (const auto& [language, about] : lines.aboutIn)
        files.push_back({AboutFileName(language), join(about, FileEnd{})});
    if (!lines.readings.empty())
        files.push_back({kReadingsFile, join(lines.readings, lines.files[1])});
    return files;
}

size_t WordsIn(const DictionaryLines& lines) {
    return static_cast<size_t>(
        std::count_if(lines.names.begin(), lines.names.end(),
                      [](const std::string& word) { return !word.empty(); }));
}

std::string WordCountLine(size_t words) {
    return Utf8ToCp1251("Слов: " + std::to_string(words) + ".");
}

DictionaryLines BuildExactly(const ParsedInput& input, const BuildOptions& options,
                             const std::string& file, const Cp1251Folder& folder,
                             Diagnostics& found) {
    RowConverter converter(folder, file, found);
    DictionaryLines lines;
    lines.files = input.exact->files;
    for (const SourceEntry& entry : input.entries) {
        const std::string_view word = options.swap ? entry.translation : entry.word;
        const std::string_view translation = options.swap ? entry.word : entry.translation;
        lines.names.push_back(ExactLine(word, entry.line, entry.raw, converter));
        lines.names2.push_back(ExactLine(translation, entry.line, entry.raw, converter));
        lines.readings.emplace_back(entry.reading);
    }
    KeepLines(lines.names, input.exact->names);
    KeepLines(lines.names2, input.exact->names2);
    if (input.title) lines.about.push_back(ExactLine(*input.title, input.titleLine, {}, converter));
    size_t line = input.aboutLine;
    for (const std::string& text : input.about)
        lines.about.push_back(ExactLine(text, line++, {}, converter));
    if (options.title || options.about) {
        // Given on the command line, the title or the description replaces the exported one.
        DictionaryLines given = BuildDictionary({}, options, file, folder, found);
        if (converter.Utf8() && !given.utf8) {
            for (std::string& text : given.about) text = Cp1251ToUtf8(text);
        }
        given.about.back() = converter.Utf8() ? Cp1251ToUtf8(WordCountLine(WordsIn(lines)))
                                              : WordCountLine(WordsIn(lines));
        if (!options.title && !lines.about.empty()) given.about[0] = lines.about[0];
        if (!options.about) {
            given.about.resize(1);
            given.about.insert(given.about.end(),
                               lines.about.begin() + std::min<size_t>(1, lines.about.size()),
                               lines.about.end());
        }
        lines.about = std::move(given.about);
    }
    if (converter.Utf8()) ChooseFolderEncoding(lines);
    return lines;
}

namespace {

// Every line of the three files, as BuildDictionary describes.
DictionaryLines BuildLines(const ParsedInput& input, const BuildOptions& options,
                           const std::string& file, const Cp1251Folder& folder,
                           Diagnostics& found) {
    if (input.exact) return BuildExactly(input, options, file, folder, found);
    RowConverter rowConverter(folder, file, found);
    const bool utf8 = rowConverter.Utf8();
    // The count line in the form of the lines converted.
    auto countLine = [&](size_t words) {
        return utf8 ? Cp1251ToUtf8(WordCountLine(words)) : WordCountLine(words);
    };
    DictionaryLines lines;
    ConvertRows(input, options.swap, rowConverter, file, found, lines);

    const std::string titleFile = options.title ? "--title" : file;
    RowConverter titleConverter(folder, titleFile, found);
    std::string title = options.title.value_or(input.title.value_or(options.fallbackTitle));
    // The title is one line of about.txt: a line end given in it becomes a space.
    std::replace_if(
        title.begin(), title.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    lines.about = ConvertLines(title, std::max<size_t>(1, input.titleLine), titleConverter);
    lines.about.resize(1);

    std::vector<std::string> description;
    if (options.about) {
        RowConverter aboutConverter(folder, "--about", found);
        description = ConvertLines(*options.about, 1, aboutConverter);
        description.push_back(countLine(lines.names.size()));
    } else if (!input.about.empty()) {
        // A description exported before comes back as it was; only a count import wrote at its
        // end is brought up to date.
        size_t line = input.aboutLine;
        for (const std::string& text : input.about) {
            description.emplace_back();
            rowConverter.Convert(text, line++, text, description.back());
        }
        if (IsWordCountLine(utf8 ? Utf8ToCp1251(description.back()) : description.back()))
            description.back() = countLine(lines.names.size());
    } else {
        description.push_back(countLine(lines.names.size()));
    }
    lines.about.insert(lines.about.end(), description.begin(), description.end());
    if (utf8) ChooseFolderEncoding(lines);
    return lines;
}

}  // namespace

DictionaryLines BuildDictionary(const ParsedInput& input, const BuildOptions& options,
                                const std::string& file, const Cp1251Folder& folder,
                                Diagnostics& found) {
    DictionaryLines lines = BuildLines(input, options, file, folder, found);
    if (std::all_of(lines.readings.begin(), lines.readings.end(),
                    [](const std::string& reading) { return reading.empty(); })) {
        lines.readings.clear();
    }
    lines.readings.resize(lines.readings.empty() ? 0 : lines.names.size());
    lines.languages = ParseLanguages(input.languages);
    lines.aboutIn = input.aboutIn;
    return lines;
}

}  // namespace lexo::dict
