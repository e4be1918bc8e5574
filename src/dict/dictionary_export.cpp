#include "dict/dictionary_export.h"

#include <unicode/utf8.h>

#include <algorithm>
#include <vector>

#include "dict/commands.h"
#include "dict/cp1251_fold.h"
#include "dict/dictionary_build.h"
#include "dict/import_formats.h"
#include "text/text_file.h"
#include "text/text_lines.h"

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

    std::string ToUtf8(std::string_view cp1251, size_t line) {
        const auto& characters = Cp1251Characters();
        std::string utf8;
        for (size_t i = 0; i < cp1251.size(); ++i) {
            const auto byte = static_cast<unsigned char>(cp1251[i]);
            const char16_t c = characters[byte];
            if (c == 0 || (byte < 0x20 && byte != '\t')) {
                found_.Error(file_, line,
                             "column " + std::to_string(i + 1) +
                                 ": a byte that is not a character in CP1251");
                continue;
            }
            char buffer[U8_MAX_LENGTH];
            int32_t length = 0;
            U8_APPEND_UNSAFE(buffer, length, c);
            utf8.append(buffer, static_cast<size_t>(length));
        }
        return utf8;
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

std::string ExportDictionary(const fs::path& folder, Diagnostics& found) {
    const std::string aboutText = ReadBoundedFile((folder / "about.txt").string(), kFileLimit);
    const std::string namesText = ReadBoundedFile((folder / "names.txt").string(), kFileLimit);
    const std::string names2Text = ReadBoundedFile((folder / "names2.txt").string(), kFileLimit);
    const std::vector<std::string_view> about = GameLines(aboutText);
    const std::vector<std::string_view> names = GameLines(namesText);
    const std::vector<std::string_view> names2 = GameLines(names2Text);

    std::string tsv(kHeader);
    tsv += std::string(kExactMark) + LineEndName(aboutText) + " " + LineEndName(namesText) + " " +
           LineEndName(names2Text) + " " + std::to_string(names.size()) + " " +
           std::to_string(names2.size()) + "\n";
    Converter aboutConverter((folder / "about.txt").string(), found);
    for (size_t i = 0; i < about.size(); ++i) {
        tsv += i == 0 ? "#deck:" : "#about:";
        tsv += aboutConverter.ToUtf8(about[i], i + 1) + "\n";
    }
    Converter wordConverter((folder / "names.txt").string(), found);
    Converter translationConverter((folder / "names2.txt").string(), found);
    for (size_t i = 0; i < std::max(names.size(), names2.size()); ++i) {
        const std::string_view word = i < names.size() ? names[i] : std::string_view();
        const std::string_view translation = i < names2.size() ? names2[i] : std::string_view();
        tsv += Field(wordConverter.ToUtf8(word, i + 1)) + "\t" +
               Field(translationConverter.ToUtf8(translation, i + 1)) + "\n";
    }
    return tsv;
}

}  // namespace lexo::dict
