#include "dict/dictionary_build.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>

#include "dict/input_text.h"
#include "dict/word_index.h"
#include "text/cp1251.h"
#include "text/unicode_text.h"

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

// The words kept so far, found by their lowered form: CP1251 as the game lowers it, UTF-8 by
// case folding.
class KeptWords {
  public:
    KeptWords(size_t rows, bool utf8) : index_(utf8 ? 0 : rows), utf8_(utf8) {}

    // Called once the word is known and before FindOrAdd, which it speeds up.
    uint64_t Prepare(std::string_view word) const {
        if (utf8_) return 0;
        const uint64_t hash = WordIndex::Hash(word);
        index_.Prefetch(hash);
        return hash;
    }

    std::optional<size_t> FindOrAdd(const std::vector<std::string>& words, std::string_view word,
                                    uint64_t hash, size_t number) {
        if (!utf8_) return index_.FindOrAdd(words, word, hash, number);
        const auto [known, added] = folded_.try_emplace(CaseFolded(word), number);
        if (added) return std::nullopt;
        return known->second;
    }

  private:
    WordIndex index_;
    std::unordered_map<std::string, size_t> folded_;
    bool utf8_;
};

class RowConverter {
  public:
    RowConverter(const Cp1251Folder& folder, const std::string& file, Diagnostics& found)
        : folder_(folder), file_(file), found_(found) {}

    bool Utf8() const { return folder_.Target() == FoldTarget::Unicode; }

    // The converted text; false when a character could not be converted.
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
    KeptWords byWord(input.entries.size(), converter.Utf8());
    for (const SourceEntry& entry : input.entries) {
        const std::string_view word = swap ? entry.translation : entry.word;
        const std::string_view translation = swap ? entry.word : entry.translation;
        std::string& newWord = words.emplace_back();
        std::string& newTranslation = translations.emplace_back();
        bool converted = converter.Convert(word, entry.line, entry.raw, newWord);
        const uint64_t hash = byWord.Prepare(newWord);
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
                          "\"" + (converter.Utf8() ? newWord : Cp1251ToUtf8(newWord)) +
                              "\" is already on line " + std::to_string(firstLines[*known]) +
                              ": translations joined");
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

void ChooseFolderEncoding(DictionaryLines& lines) {
    auto fits = [](const std::vector<std::string>& text) {
        return std::all_of(text.begin(), text.end(),
                           [](const std::string& l) { return FitsCp1251(l); });
    };
    lines.utf8 = !fits(lines.about) || !fits(lines.names) || !fits(lines.names2);
    if (lines.utf8) return;
    for (auto* text : {&lines.about, &lines.names, &lines.names2}) {
        for (std::string& line : *text) line = Utf8ToCp1251(line);
    }
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
    const bool utf8 = rowConverter.Utf8();
    // The count line in the form of the lines converted.
    auto countLine = [&](size_t words) {
        return utf8 ? Cp1251ToUtf8(WordCountLine(words)) : WordCountLine(words);
    };
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

}  // namespace lexo::dict
