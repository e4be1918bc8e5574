#include "dict/file_checks.h"

#include <unicode/utf8.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "dict/commands.h"
#include "dict/cp1251_fold.h"
#include "errors/run_time_error.h"
#include "text/cp1251.h"
#include "text/text_file.h"
#include "text/text_lines.h"

namespace lexo::dict {
namespace {

namespace fs = std::filesystem;

enum class LineEnd { None, CrLf, Lf, Cr };

const char* LineEndName(LineEnd end) {
    switch (end) {
        case LineEnd::CrLf: return "CR LF";
        case LineEnd::Lf: return "LF";
        case LineEnd::Cr: return "CR";
        default: return "nothing";
    }
}

std::string Hex(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

bool IsUtf8WithLetters(std::string_view line) {
    const auto* data = reinterpret_cast<const uint8_t*>(line.data());
    const auto length = static_cast<int32_t>(line.size());
    bool multiByte = false;
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(data, i, length, c);
        if (c < 0) return false;
        multiByte |= i - start > 1;
    }
    return multiByte;
}

void CheckLineBytes(const std::string& name, size_t line, std::string_view text,
                    Diagnostics& found) {
    if (IsUtf8WithLetters(text)) {
        found.Error(name, line,
                    "UTF-8 text: the game shows it as other letters and it can never "
                    "be typed; save the file as CP1251");
        return;
    }
    const auto& characters = Cp1251Characters();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || characters[byte] == 0) {
            const char* what =
                byte < 0x20 ? " is a control character, not text" : " is not a character in CP1251";
            found.Error(name, line,
                        "column " + std::to_string(i + 1) + ": byte " + Hex(byte) + what);
            return;
        }
    }
}

// Reports the first line whose end differs from the first line's.
void CheckLineEnds(const std::string& name, std::string_view text, Diagnostics& found) {
    LineEnd first = LineEnd::None;
    size_t line = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        LineEnd end = LineEnd::None;
        if (text[i] == '\n') end = LineEnd::Lf;
        if (text[i] == '\r')
            end = i + 1 < text.size() && text[i + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
        if (end == LineEnd::None) continue;
        if (first == LineEnd::None) first = end;
        if (end != first) {
            found.Warning(name, line,
                          std::string("mixed line ends: this line ends with ") + LineEndName(end) +
                              ", line 1 with " + LineEndName(first));
            return;
        }
        i += end == LineEnd::CrLf;
        ++line;
    }
}

size_t LinesBefore(std::string_view text) {
    size_t lines = 0;
    ForEachLine(text, LineEnds::AnyAndNulEnds, [&](std::string_view) { ++lines; });
    const bool endsWithLineEnd = !text.empty() && (text.back() == '\n' || text.back() == '\r');
    return endsWithLineEnd ? lines : lines - (lines > 0);
}

bool Read(const std::string& path, CheckedFile& file, Diagnostics& found) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error && error != std::errc::no_such_file_or_directory) {
        found.Error(file.name, 1, "cannot be read: " + error.message());
        return false;
    }
    if (!fs::exists(status)) {
        found.Error(file.name, 1,
                    "missing: the game lists a folder only when it holds about.txt, "
                    "names.txt and names2.txt");
        return false;
    }
    if (fs::is_directory(status)) {
        found.Error(file.name, 1, "a folder, not a file");
        return false;
    }
    try {
        file.bytes = ReadBoundedFile(path, kFileLimit);
    } catch (const RunTimeError& error) {
        found.Error(file.name, 1, "cannot be read: " + Cp1251ToUtf8(error.what()));
        return false;
    }
    if (file.bytes.starts_with("\xFF\xFE") || file.bytes.starts_with("\xFE\xFF")) {
        found.Error(file.name, 1,
                    "UTF-16 text: the game reads it as other letters; save it as "
                    "CP1251 (lexodrome-dict import converts it)");
        return false;
    }
    return true;
}

}  // namespace

CheckedFile ReadAndCheckFile(const std::string& path, const std::string& name, Diagnostics& found) {
    CheckedFile file;
    file.name = name;
    file.readable = Read(path, file, found);
    if (!file.readable) return file;
    const std::string_view bytes = file.bytes;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        found.Error(name, 1, "UTF-8 byte-order mark: it becomes part of the first line");
    }
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        found.Error(name, LinesBefore(bytes.substr(0, nul)) + 1,
                    "NUL byte: the game reads nothing after it");
    }
    ForEachLine(bytes, LineEnds::AnyAndNulEnds,
                [&](std::string_view line) { file.lines.push_back(line); });
    for (size_t i = 0; i < file.lines.size(); ++i) {
        CheckLineBytes(name, i + 1, file.lines[i], found);
    }
    CheckLineEnds(name, bytes.substr(0, nul), found);
    return file;
}

void CheckLineSpacing(const CheckedFile& file, bool emptyAllowed, Diagnostics& found) {
    for (size_t i = 0; i < file.lines.size(); ++i) {
        const std::string_view line = file.lines[i];
        if (line.empty()) {
            if (!emptyAllowed) {
                found.Warning(file.name, i + 1, "empty line: the game takes it as an empty entry");
            }
        } else if (line.front() == ' ' || line.back() == ' ' || line.front() == '\t' ||
                   line.back() == '\t') {
            found.Warning(file.name, i + 1,
                          "blanks at the start or end of the line belong to the entry");
        }
    }
}

}  // namespace lexo::dict
