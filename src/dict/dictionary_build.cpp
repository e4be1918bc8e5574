#include "dict/dictionary_build.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "dict/input_text.h"
#include "dict/word_index.h"
#include "text/cp1251.h"

namespace lexo::dict {
namespace {

constexpr std::string_view kTwoSpaces = "  ";

// Where the alternative starting at `start` ends: at , ; | / or a line end.
size_t AlternativeEnd(std::string_view utf8, size_t start) {
    for (size_t i = start; i < utf8.size(); ++i) {
        switch (utf8[i]) {
            case ',':
            case ';':
            case '|':
            case '/':
            case '\n':
            case '\r': return i;
            default: break;
        }
    }
    return utf8.size();
}

// Whether alternatives joined by two spaces hold this one.
bool HoldsAlternative(std::string_view joined, std::string_view alternative) {
    bool holds = false;
    ForEachAlternative(joined, [&](std::string_view known) { holds |= known == alternative; });
    return holds;
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

    // The CP1251 text; false when a character could not be converted.
    bool Convert(std::string_view utf8, size_t line, std::string_view raw, std::string& out) {
        notes_.clear();
        folder_.Fold(utf8, notes_, out);
        bool converted = true;
        for (const FoldNote& note : notes_) {
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
        for (size_t start = 0; start <= utf8.size();) {
            const size_t end = AlternativeEnd(utf8, start);
            converted &= Convert(utf8.substr(start, end - start), line, raw, alternative_);
            AddAlternative(joined, alternative_);
            start = end + 1;
        }
        return converted;
    }

  private:
    const Cp1251Folder& folder_;
    const std::string& file_;
    Diagnostics& found_;
    std::vector<FoldNote> notes_;
    std::string alternative_;
};

// Converts the rows into `lines`' names and names2, a row whose word is already there joining
// its translations to the first one's. The word's place in the index is fetched while its
// translations are converted.
void ConvertRows(const ParsedInput& input, bool swap, RowConverter& converter,
                 const std::string& file, Diagnostics& found, DictionaryLines& lines) {
    std::vector<std::string>& words = lines.names;
    std::vector<std::string>& translations = lines.names2;
    std::vector<size_t> firstLines;  // the line of each word kept
    words.reserve(input.entries.size());
    translations.reserve(input.entries.size());
    firstLines.reserve(input.entries.size());
    WordIndex byWord(input.entries.size());
    for (const SourceEntry& entry : input.entries) {
        const std::string_view word = swap ? entry.translation : entry.word;
        const std::string_view translation = swap ? entry.word : entry.translation;
        std::string& newWord = words.emplace_back();
        std::string& newTranslation = translations.emplace_back();
        bool converted = converter.Convert(word, entry.line, entry.raw, newWord);
        const uint64_t hash = WordIndex::Hash(newWord);
        byWord.Prefetch(hash);
        converted &=
            converter.ConvertAlternatives(translation, entry.line, entry.raw, newTranslation);
        const bool wordless = newWord.empty();
        if (converted && wordless && !newTranslation.empty())
            found.Error(file, entry.line, "a translation without a word");
        const std::optional<size_t> known =
            converted && !wordless ? byWord.FindOrAdd(words, newWord, hash, words.size() - 1)
                                   : std::nullopt;
        if (converted && !wordless && !known) {
            firstLines.push_back(entry.line);
            continue;
        }
        if (known) {
            found.Warning(file, entry.line,
                          "\"" + Cp1251ToUtf8(newWord) + "\" is already on line " +
                              std::to_string(firstLines[*known]) + ": translations joined");
            ForEachAlternative(newTranslation, [&](std::string_view alternative) {
                AddAlternative(translations[*known], alternative);
            });
        }
        words.pop_back();
        translations.pop_back();
    }
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

bool IsWordCountLine(std::string_view cp1251) {
    const std::string prefix = Utf8ToCp1251("Слов: ");
    if (!cp1251.starts_with(prefix) || !cp1251.ends_with(".")) return false;
    const std::string_view digits = cp1251.substr(prefix.size(), cp1251.size() - prefix.size() - 1);
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

void AddAlternative(std::string& joined, std::string_view alternative) {
    if (alternative.empty() || HoldsAlternative(joined, alternative)) return;
    if (!joined.empty()) joined += kTwoSpaces;
    joined += alternative;
}

std::vector<FolderFile> DictionaryFolderFiles(const DictionaryLines& lines) {
    auto crLf = [](const std::vector<std::string>& text) {
        size_t size = 0;
        for (const std::string& line : text) size += line.size() + 2;
        std::string joined;
        joined.reserve(size);
        for (const std::string& line : text) joined.append(line).append("\r\n");
        return joined;
    };
    return {{"about.txt", crLf(lines.about)},
            {"names.txt", crLf(lines.names)},
            {"names2.txt", crLf(lines.names2)}};
}

std::string WordCountLine(size_t words) {
    return Utf8ToCp1251("Слов: " + std::to_string(words) + ".");
}

DictionaryLines BuildDictionary(const ParsedInput& input, const BuildOptions& options,
                                const std::string& file, const Cp1251Folder& folder,
                                Diagnostics& found) {
    RowConverter rowConverter(folder, file, found);
    DictionaryLines lines;
    ConvertRows(input, options.swap, rowConverter, file, found, lines);

    const std::string titleFile = options.title ? "--title" : file;
    RowConverter titleConverter(folder, titleFile, found);
    const std::string title = options.title.value_or(input.title.value_or(options.fallbackTitle));
    lines.about = ConvertLines(title, std::max<size_t>(1, input.titleLine), titleConverter);
    lines.about.resize(1);

    std::vector<std::string> description;
    if (options.about) {
        RowConverter aboutConverter(folder, "--about", found);
        description = ConvertLines(*options.about, 1, aboutConverter);
        description.push_back(WordCountLine(lines.names.size()));
    } else if (!input.about.empty()) {
        // A description exported before comes back as it was; only a count import wrote at its
        // end is brought up to date.
        size_t line = input.aboutLine;
        for (const std::string& text : input.about) {
            description.emplace_back();
            rowConverter.Convert(text, line++, text, description.back());
        }
        if (IsWordCountLine(description.back()))
            description.back() = WordCountLine(lines.names.size());
    } else {
        description.push_back(WordCountLine(lines.names.size()));
    }
    lines.about.insert(lines.about.end(), description.begin(), description.end());
    return lines;
}

}  // namespace lexo::dict
