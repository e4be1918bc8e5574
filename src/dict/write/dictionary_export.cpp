#include "dict/write/dictionary_export.h"

#include <algorithm>
#include <vector>

#include "dict/read/import_formats.h"
#include "dict/write/dictionary_build.h"
#include "text/dictionary_languages.h"
#include "text/dictionary_text.h"
#include "text/file_reader.h"
#include "text/text_file.h"
#include "text/text_lines.h"
#include "text/unicode_text.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "#separator:tab\n#html:false\n";

// "crlf", "lf" or "cr" after the first line's end (CR LF for a file of one line without
// one), and "-open" when the last line has no end.
std::string LineEndName(std::string_view text) {
    const size_t end = text.find_first_of("\r\n");
    std::string name = "crlf";
    if (end != std::string_view::npos && text[end] == '\n') name = "lf";
    if (end != std::string_view::npos && text[end] == '\r' && text.substr(end, 2) != "\r\n")
        name = "cr";
    const bool open = !text.empty() && text.back() != '\n' && text.back() != '\r';
    return open ? name + "-open" : name;
}

std::vector<std::string_view> GameLines(const std::string& text) {
    std::vector<std::string_view> lines;
    ForEachLine(text, LineEnds::AnyAndNulEnds,
                [&](std::string_view line) { lines.push_back(line); });
    return lines;
}

class Converter {
  public:
    Converter(std::string file, Diagnostics& found) : file_(std::move(file)), found_(found) {}

    // The line without what the game reads as no character: control characters, and U+FFFD,
    // which stands for a byte CP1251 leaves unassigned or one that is not UTF-8.
    std::string Checked(std::string_view utf8, size_t line) {
        std::string kept;
        size_t column = 0;
        ForEachUtf8Character(utf8, [&](const Utf8Character& c) {
            ++column;
            if (c.code < 0 || c.code == 0xFFFD || (c.code < 0x20 && c.code != '\t')) {
                found_.Error(file_, line,
                             "column " + std::to_string(column) +
                                 ": a byte that is not a character of the file's encoding");
            } else {
                kept.append(utf8.substr(c.offset, c.size));
            }
            return true;
        });
        return kept;
    }

  private:
    std::string file_;
    Diagnostics& found_;
};

// Quoted when a reader would otherwise split it, take its quotes for quoting or the row for a
// comment.
std::string Field(std::string text) {
    if (text.find('\t') == std::string::npos && !text.starts_with("\"") && !text.starts_with("#")) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

}  // namespace

Outcome<std::string> ExportDictionary(const fs::path& folder, Diagnostics& found) {
    std::string texts[3];
    const char* const files[3] = {"about.txt", "names.txt", "names2.txt"};
    for (size_t i = 0; i < 3; ++i) {
        const std::expected<std::string, FileError> bytes = ReadFile((folder / files[i]).string());
        if (!bytes) return std::unexpected(FileSystemEnd(bytes.error()));
        texts[i] = DictionaryFileText(*bytes);
    }
    const std::string& aboutText = texts[0];
    const std::string& namesText = texts[1];
    const std::string& names2Text = texts[2];
    const std::vector<std::string_view> about = GameLines(aboutText);
    const std::vector<std::string_view> names = GameLines(namesText);
    const std::vector<std::string_view> names2 = GameLines(names2Text);

    std::string tsv(kHeader);
    tsv += std::string(kExactMark) + LineEndName(aboutText) + " " + LineEndName(namesText) + " " +
           LineEndName(names2Text) + " " + std::to_string(names.size()) + " " +
           std::to_string(names2.size()) + "\n";
    if (const auto languages = ReadLanguages((folder / kLanguagesFile).string()))
        tsv += "#languages:" + LanguagesLine(*languages) + "\n";
    Converter aboutConverter((folder / "about.txt").string(), found);
    for (size_t i = 0; i < about.size(); ++i) {
        tsv += i == 0 ? "#deck:" : "#about:";
        tsv += aboutConverter.Checked(about[i], i + 1) + "\n";
    }
    Converter wordConverter((folder / "names.txt").string(), found);
    Converter translationConverter((folder / "names2.txt").string(), found);
    for (size_t i = 0; i < std::max(names.size(), names2.size()); ++i) {
        const std::string_view word = i < names.size() ? names[i] : std::string_view();
        const std::string_view translation = i < names2.size() ? names2[i] : std::string_view();
        tsv += Field(wordConverter.Checked(word, i + 1)) + "\t" +
               Field(translationConverter.Checked(translation, i + 1)) + "\n";
    }
    return tsv;
}

}  // namespace lexo::dict
