#include "dict/dictionary_export.h"

#include <unicode/utf8.h>

#include <vector>

#include "dict/cp1251_fold.h"
#include "dict/dictionary_build.h"
#include "text/text_file.h"
#include "text/text_lines.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeader = "#separator:tab\n#html:false\n";

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

std::string Alternatives(std::string_view translation) {
    std::string joined;
    ForEachAlternative(translation, [&](std::string_view alternative) {
        if (alternative.empty() || alternative == " ") return;
        if (!joined.empty()) joined += "; ";
        joined += alternative;
    });
    return joined;
}

}  // namespace

std::string ExportDictionary(const fs::path& folder, Diagnostics& found) {
    const std::string aboutText = ReadWholeFile((folder / "about.txt").string());
    const std::string namesText = ReadWholeFile((folder / "names.txt").string());
    const std::string names2Text = ReadWholeFile((folder / "names2.txt").string());
    const std::vector<std::string_view> about = GameLines(aboutText);
    const std::vector<std::string_view> names = GameLines(namesText);
    const std::vector<std::string_view> names2 = GameLines(names2Text);

    std::string tsv(kHeader);
    Converter aboutConverter((folder / "about.txt").string(), found);
    for (size_t i = 0; i < about.size(); ++i) {
        tsv += i == 0 ? "#deck:" : "#about:";
        tsv += aboutConverter.ToUtf8(about[i], i + 1) + "\n";
    }
    Converter wordConverter((folder / "names.txt").string(), found);
    Converter translationConverter((folder / "names2.txt").string(), found);
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) continue;
        const std::string_view translation = i < names2.size() ? names2[i] : std::string_view();
        tsv += Field(wordConverter.ToUtf8(names[i], i + 1)) + "\t" +
               Field(translationConverter.ToUtf8(Alternatives(translation), i + 1)) + "\n";
    }
    return tsv;
}

}  // namespace lexo::dict
