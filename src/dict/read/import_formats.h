#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dict/diagnostics/diagnostics.h"

namespace lexo::dict {

enum class InputFormat { Tsv, Csv, Anki, Pairs, Words };

std::optional<InputFormat> FormatNamed(std::string_view name);
const char* FormatName(InputFormat format);

// Tells the format from the text: Anki's "#separator:"-style headers; otherwise what most of the
// first lines hold: tabs (TSV), " = " (pairs), commas (CSV), or none of them (one word a line).
InputFormat DetectFormat(std::string_view utf8);

// One row of the input, its fields as written (UTF-8), before any cleaning.
struct SourceEntry {
    size_t line = 1;
    std::string_view raw;  // the input text the row was read from
    std::string_view word;
    std::string_view translation;
    std::string_view reading;  // the --readings column's field
};

// The header line `export` writes above its rows: after it the three files' line ends
// ("crlf", "lf" or "cr", "-open" when the last line has none) and the lines of names.txt and
// names2.txt. Rows under it are lines as they stand, for import to split and merge nothing.
inline constexpr std::string_view kExactMark = "#lexodrome:";

// How a file of a dictionary folder ends its lines.
struct FileEnd {
    std::string end = "\r\n";
    bool lastEnded = true;
};

// What the line after kExactMark records: about.txt, names.txt, names2.txt.
struct ExactLayout {
    std::array<FileEnd, 3> files;
    size_t names = 0;
    size_t names2 = 0;
};

// What an input holds besides its rows: a title (Anki's #deck:) and description lines
// (#about:, which `export` writes) with the line each came from. Entries are views into the
// text read and into `kept`, so that a large input costs no string per field; the text must
// outlive them, and a ParsedInput is moved, never copied.
struct ParsedInput {
    ParsedInput() = default;
    ParsedInput(ParsedInput&&) = default;
    ParsedInput& operator=(ParsedInput&&) = default;
    ParsedInput(const ParsedInput&) = delete;
    ParsedInput& operator=(const ParsedInput&) = delete;

    std::vector<SourceEntry> entries;
    std::deque<std::string> kept;  // fields that quoting or HTML changed
    std::optional<std::string> title;
    size_t titleLine = 0;
    std::vector<std::string> about;
    size_t aboutLine = 0;
    std::optional<ExactLayout> exact;  // an export of a folder
    std::string languages;             // #languages:, which `export` writes: "de ru"
    // #about.LL: lines, which `export` writes: the lines of about.LL.txt by language.
    std::map<std::string, std::vector<std::string>> aboutIn;
    std::string rowName = "line";  // what a row's number counts: "note" in an Anki package
    // The column (from 1) of the words' readings: --readings, or Anki's "#readings column:",
    // which `export` writes; 0 for none.
    size_t readingsColumn = 0;
};

// Reads the rows of the text, which must outlive the result. Malformed rows (a pairs line without
// "=") are errors in `found`, named by `file` and line; the other rows are still read.
ParsedInput ParseInput(std::string_view utf8, InputFormat format, const std::string& file,
                       Diagnostics& found, size_t readingsColumn = 0);

}  // namespace lexo::dict
