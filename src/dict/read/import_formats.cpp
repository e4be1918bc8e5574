#include "dict/read/import_formats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>
#include <utility>

#include "dict/read/delimited_reader.h"
#include "dict/read/html_text.h"
#include "text/dictionary_languages.h"

namespace lexo::dict {
namespace {

constexpr std::array<std::pair<std::string_view, InputFormat>, 5> kFormatNames{{
    {"tsv", InputFormat::Tsv},
    {"csv", InputFormat::Csv},
    {"anki", InputFormat::Anki},
    {"pairs", InputFormat::Pairs},
    {"words", InputFormat::Words},
}};

// Column titles of a header row, as spreadsheets and vocabulary apps write them.
constexpr std::array<std::string_view, 24> kHeaderTitles{
    "word",    "words",       "term",         "front",      "question", "expression",
    "english", "german",      "deutsch",      "vocabulary", "back",     "answer",
    "meaning", "translation", "translations", "definition", "russian",  "слово",
    "слова",   "термин",      "перевод",      "переводы",   "значение", "русский",
};

// The keys of Anki's file headers ("#key:value" lines at the top), and the description lines
// `export` writes.
constexpr std::array<std::string_view, 16> kAnkiHeaderKeys{
    "separator",       "html",        "columns",     "deck",        "tags",
    "notetype",        "guid column", "deck column", "tags column", "notetype column",
    "if matches",      "match scope", "about",       "lexodrome",   "languages",
    "readings column",
};

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsHeaderTitle(std::string_view cell) {
    const std::string lower = LowerAscii(Trimmed(cell));
    return std::find(kHeaderTitles.begin(), kHeaderTitles.end(), lower) != kHeaderTitles.end();
}

bool IsHeaderRow(const std::vector<std::string_view>& fields) {
    return fields.size() >= 2 && IsHeaderTitle(fields[0]) && IsHeaderTitle(fields[1]);
}

bool IsAnkiHeader(std::string_view line) {
    const size_t colon = line.find(':');
    if (!line.starts_with("#") || colon == std::string_view::npos) return false;
    const std::string key = LowerAscii(Trimmed(line.substr(1, colon - 1)));
    return std::find(kAnkiHeaderKeys.begin(), kAnkiHeaderKeys.end(), key) !=
               kAnkiHeaderKeys.end() ||
           AboutFileLanguage(key + ".txt");
}

// Anki's names for separators, or the character itself.
char AnkiSeparator(std::string_view value) {
    const std::string name = LowerAscii(Trimmed(value));
    if (name == "tab") return '\t';
    if (name == "comma") return ',';
    if (name == "semicolon") return ';';
    if (name == "space") return ' ';
    if (name == "pipe") return '|';
    if (name == "colon") return ':';
    return value.size() == 1 ? value[0] : '\t';
}

std::optional<FileEnd> FileEndNamed(std::string_view name) {
    FileEnd file;
    file.lastEnded = !name.ends_with("-open");
    if (!file.lastEnded) name.remove_suffix(5);
    if (name == "lf") file.end = "\n";
    if (name == "cr") file.end = "\r";
    if (name != "crlf" && name != "lf" && name != "cr") return std::nullopt;
    return file;
}

std::optional<size_t> Count(std::string_view digits) {
    size_t count = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return count;
}

// "crlf crlf lf-open 5 3", or nothing when the line is not as export writes it.
std::optional<ExactLayout> ReadExactLayout(std::string_view value) {
    std::vector<std::string_view> words;
    for (size_t start = 0; start <= value.size();) {
        const size_t end = std::min(value.find(' ', start), value.size());
        words.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    if (words.size() != 5) return std::nullopt;
    ExactLayout layout;
    for (size_t i = 0; i < layout.files.size(); ++i) {
        const std::optional<FileEnd> file = FileEndNamed(words[i]);
        if (!file) return std::nullopt;
        layout.files[i] = *file;
    }
    const std::optional<size_t> names = Count(words[3]), names2 = Count(words[4]);
    if (!names || !names2) return std::nullopt;
    layout.names = *names;
    layout.names2 = *names2;
    return layout;
}

bool IsBlankRow(const std::vector<std::string_view>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](std::string_view field) { return Trimmed(field).empty(); });
}

// The word and translation of a row: the first two columns not taken by Anki's note data.
void AddRow(ParsedInput& input, size_t line, std::string_view raw,
            const std::vector<std::string_view>& fields, const std::set<size_t>& skipped,
            bool html) {
    // An export's rows are its files' lines, empty ones too.
    if (!input.exact && IsBlankRow(fields)) return;
    SourceEntry entry{line, raw, {}, {}, {}};
    const size_t readings = input.readingsColumn;
    if (readings > 0 && readings <= fields.size()) {
        entry.reading =
            html ? input.kept.emplace_back(ReduceHtml(fields[readings - 1])) : fields[readings - 1];
    }
    size_t taken = 0;
    for (size_t i = 0; i < fields.size() && taken < 2; ++i) {
        if (skipped.contains(i + 1) || i + 1 == readings) continue;
        std::string_view& text = taken++ == 0 ? entry.word : entry.translation;
        text = html ? input.kept.emplace_back(ReduceHtml(fields[i])) : fields[i];
    }
    input.entries.push_back(entry);
}

void ParseDelimited(DelimitedReader& reader, ParsedInput& input, bool headerRowAllowed,
                    const std::set<size_t>& skipped, bool html, bool comments,
                    const std::string& file, Diagnostics& found) {
    bool first = headerRowAllowed;
    std::vector<std::string_view> fields;
    while (!reader.AtEnd()) {
        if (comments && reader.RestOfLine().starts_with("#")) {
            reader.SkipLine();
            continue;
        }
        const size_t line = reader.Line();
        std::string_view raw;
        reader.ReadRecord(fields, raw, input.kept);
        if (reader.UnclosedQuoteLine() > 0) {
            found.Error(file, reader.UnclosedQuoteLine(),
                        "a quote opens a field here and nothing closes it: the rest of the file "
                        "would be that one field");
            return;
        }
        if (std::exchange(first, false) && IsHeaderRow(fields)) continue;
        AddRow(input, line, raw, fields, skipped, html);
    }
}

// Anki's "Notes in Plain Text": headers at the top, then rows; "#" lines are comments.
void ParseAnki(std::string_view utf8, ParsedInput& input, const std::string& file,
               Diagnostics& found) {
    std::optional<std::string> deck;
    char separator = '\t';
    bool html = false;
    std::set<size_t> skipped;
    DelimitedReader headers(utf8, '\t');
    for (; !headers.AtEnd() && IsAnkiHeader(headers.RestOfLine()); headers.SkipLine()) {
        const std::string_view line = headers.RestOfLine();
        const size_t colon = line.find(':');
        const std::string key = LowerAscii(Trimmed(line.substr(1, colon - 1)));
        const std::string_view value = line.substr(colon + 1);
        if (key == "separator") separator = AnkiSeparator(value);
        if (key == "html") html = LowerAscii(Trimmed(value)) == "true";
        if (key.ends_with(" column")) {
            size_t column = 0;
            for (char c : Trimmed(value))
                column = c >= '0' && c <= '9' ? column * 10 + (c - '0') : 0;
            if (column > 0) skipped.insert(column);
            if (key == "readings column" && input.readingsColumn == 0)
                input.readingsColumn = column;
        }
        if (key == "lexodrome") {
            input.exact = ReadExactLayout(value);
            if (!input.exact)
                found.Warning(file, headers.Line(),
                              "not a #lexodrome: line as export writes it: the rows are read as "
                              "a word list");
        }
        if (key == "deck") {
            deck = value;
            const size_t last = value.rfind("::");
            input.title = std::string(
                Trimmed(last == std::string_view::npos ? value : value.substr(last + 2)));
            input.titleLine = headers.Line();
        }
        if (key == "languages") input.languages = Trimmed(value);
        if (const auto language = AboutFileLanguage(key + ".txt"))
            input.aboutIn[*language].emplace_back(value);
        if (key == "about") {
            if (input.about.empty()) input.aboutLine = headers.Line();
            input.about.emplace_back(value);
        }
    }
    if (input.exact && deck) input.title = *deck;
    const size_t offset = static_cast<size_t>(headers.RestOfLine().data() - utf8.data());
    DelimitedReader rows(utf8.substr(offset), separator);
    Diagnostics rowFindings;
    ParseDelimited(rows, input, false, skipped, html, true, file, rowFindings);
    for (SourceEntry& entry : input.entries) entry.line += headers.Line() - 1;
    for (const Diagnostic& finding : rowFindings.All())
        found.Error(finding.file, finding.line + headers.Line() - 1, finding.text);
}

void ParseLines(std::string_view utf8, InputFormat format, ParsedInput& input,
                const std::string& file, Diagnostics& found) {
    DelimitedReader reader(utf8, '\n');
    for (; !reader.AtEnd(); reader.SkipLine()) {
        const std::string_view line = reader.RestOfLine();
        if (Trimmed(line).empty()) continue;
        if (format == InputFormat::Words) {
            input.entries.push_back({reader.Line(), line, line, {}, {}});
            continue;
        }
        if (line.starts_with("#")) continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            found.Error(file, reader.Line(), "expected \"word = translation, translation\"");
            continue;
        }
        input.entries.push_back(
            {reader.Line(), line, line.substr(0, equals), line.substr(equals + 1), {}});
    }
}

// The data lines (not empty, not comments) among the first lines of the text.
std::vector<std::string_view> SampleLines(std::string_view utf8) {
    std::vector<std::string_view> sample;
    DelimitedReader reader(utf8, '\n');
    for (; !reader.AtEnd() && sample.size() < 200; reader.SkipLine()) {
        const std::string_view line = reader.RestOfLine();
        if (!Trimmed(line).empty() && !line.starts_with("#")) sample.push_back(line);
    }
    return sample;
}

}  // namespace

std::optional<InputFormat> FormatNamed(std::string_view name) {
    for (const auto& [known, format] : kFormatNames) {
        if (name == known) return format;
    }
    return std::nullopt;
}

const char* FormatName(InputFormat format) {
    for (const auto& [known, named] : kFormatNames) {
        if (named == format) return known.data();
    }
    return "?";
}

InputFormat DetectFormat(std::string_view utf8) {
    if (IsAnkiHeader(DelimitedReader(utf8, '\n').RestOfLine())) return InputFormat::Anki;
    const std::vector<std::string_view> sample = SampleLines(utf8);
    auto most = [&](auto holds) {
        const auto count = std::count_if(sample.begin(), sample.end(), holds);
        return !sample.empty() && static_cast<size_t>(count) * 2 >= sample.size();
    };
    if (most([](std::string_view line) { return line.find('\t') != line.npos; }))
        return InputFormat::Tsv;
    if (most([](std::string_view line) { return line.find(" = ") != line.npos; }))
        return InputFormat::Pairs;
    if (most([](std::string_view line) { return line.find(',') != line.npos; }))
        return InputFormat::Csv;
    return InputFormat::Words;
}

ParsedInput ParseInput(std::string_view utf8, InputFormat format, const std::string& file,
                       Diagnostics& found, size_t readingsColumn) {
    ParsedInput input;
    input.readingsColumn = readingsColumn;
    if (format == InputFormat::Anki) {
        ParseAnki(utf8, input, file, found);
    } else if (format == InputFormat::Tsv || format == InputFormat::Csv) {
        DelimitedReader reader(utf8, format == InputFormat::Tsv ? '\t' : ',');
        ParseDelimited(reader, input, true, {}, false, false, file, found);
    } else {
        ParseLines(utf8, format, input, file, found);
    }
    return input;
}

}  // namespace lexo::dict
