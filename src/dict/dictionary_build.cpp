#include "dict/dictionary_build.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "text/cp1251.h"

namespace lexo::dict {
namespace {

constexpr std::string_view kAlternativeBreaks = ",;|/\n\r";
constexpr std::string_view kTwoSpaces = "  ";

// Where a row's character is, for messages: "column N: " of the row's first line that holds it.
std::string ColumnOf(std::string_view raw, UChar32 c, size_t& line) {
    std::string utf8;
    icu::UnicodeString(c).toUTF8String(utf8);
    const size_t at = raw.find(utf8);
    if (at == std::string_view::npos) return {};
    const size_t lineStart = raw.find_last_of('\n', at) == std::string_view::npos
                                 ? 0
                                 : raw.find_last_of('\n', at) + 1;
    line += static_cast<size_t>(std::count(raw.begin(), raw.begin() + lineStart, '\n'));
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
        out = folder_.Fold(utf8, notes_);
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

    // Alternatives, each converted, without empty ones or repeats.
    bool ConvertAlternatives(std::string_view utf8, size_t line, std::string_view raw,
                             std::vector<std::string>& out) {
        bool converted = true;
        for (size_t start = 0; start <= utf8.size();) {
            const size_t end = std::min(utf8.find_first_of(kAlternativeBreaks, start), utf8.size());
            std::string alternative;
            converted &= Convert(utf8.substr(start, end - start), line, raw, alternative);
            if (!alternative.empty() && std::find(out.begin(), out.end(), alternative) == out.end()) {
                out.push_back(std::move(alternative));
            }
            start = end + 1;
        }
        return converted;
    }

private:
    const Cp1251Folder& folder_;
    const std::string& file_;
    Diagnostics& found_;
    std::vector<FoldNote> notes_;
};

std::string JoinAlternatives(const std::vector<std::string>& alternatives) {
    std::string joined;
    for (const std::string& alternative : alternatives) {
        if (!joined.empty()) joined += kTwoSpaces;
        joined += alternative;
    }
    return joined;
}

struct Row {
    std::string word;
    std::vector<std::string> translations;
    size_t line = 0;
};

std::vector<Row> ConvertRows(const ParsedInput& input, bool swap, RowConverter& converter,
                             const std::string& file, Diagnostics& found) {
    std::vector<Row> rows;
    std::unordered_map<std::string, size_t> byWord;
    for (const SourceEntry& entry : input.entries) {
        Row row{{}, {}, entry.line};
        const std::string& word = swap ? entry.translation : entry.word;
        const std::string& translation = swap ? entry.word : entry.translation;
        bool converted = converter.Convert(word, entry.line, entry.raw, row.word);
        converted &= converter.ConvertAlternatives(translation, entry.line, entry.raw, row.translations);
        if (!converted) continue;
        if (row.word.empty()) {
            if (!row.translations.empty()) found.Error(file, entry.line, "a translation without a word");
            continue;
        }
        const auto [known, added] = byWord.try_emplace(Cp1251ToLower(row.word), rows.size());
        if (added) {
            rows.push_back(std::move(row));
            continue;
        }
        Row& first = rows[known->second];
        found.Warning(file, entry.line, "\"" + Cp1251ToUtf8(row.word) + "\" is already on line " +
                                            std::to_string(first.line) + ": translations joined");
        for (std::string& alternative : row.translations) {
            if (std::find(first.translations.begin(), first.translations.end(), alternative) ==
                first.translations.end()) {
                first.translations.push_back(std::move(alternative));
            }
        }
    }
    return rows;
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
    return !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::vector<FolderFile> DictionaryFolderFiles(const DictionaryLines& lines) {
    auto crLf = [](const std::vector<std::string>& text) {
        std::string joined;
        for (const std::string& line : text) joined += line + "\r\n";
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
    for (Row& row : ConvertRows(input, options.swap, rowConverter, file, found)) {
        lines.names.push_back(std::move(row.word));
        lines.names2.push_back(JoinAlternatives(row.translations));
    }

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
        if (IsWordCountLine(description.back())) description.back() = WordCountLine(lines.names.size());
    } else {
        description.push_back(WordCountLine(lines.names.size()));
    }
    lines.about.insert(lines.about.end(), description.begin(), description.end());
    return lines;
}

}  // namespace lexo::dict
