#include "dict/check/file_checks.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "text/cp1251.h"
#include "text/cp1251_fold.h"
#include "text/dictionary_text.h"
#include "text/file_reader.h"
#include "text/text_lines.h"
#include "text/unicode_text.h"

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
    bool multiByte = false;
    bool valid = true;
    ForEachUtf8Character(line, [&](const Utf8Character& c) {
        valid = c.code >= 0;
        multiByte |= c.size > 1;
        return valid;
    });
    return valid && multiByte;
}

// Reports the first byte of a CP1251 line that the game cannot show as a character; true when
// there is none.
bool CheckCp1251Line(const std::string& name, size_t line, std::string_view text,
                     Diagnostics& found) {
    if (IsUtf8WithLetters(text)) {
        found.Error(name, line,
                    "UTF-8 text in a file the game reads as CP1251 (other lines are not UTF-8): "
                    "it shows as other letters; save the whole file as UTF-8");
        return false;
    }
    const auto& characters = Cp1251Characters();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || characters[byte] == 0) {
            const char* what =
                byte < 0x20 ? " is a control character, not text" : " is not a character in CP1251";
            found.Error(name, line,
                        "column " + std::to_string(i + 1) + ": byte " + Hex(byte) + what);
            return false;
        }
    }
    return true;
}

// Reports the first byte of a UTF-8 line that is a control character or no part of a character
// (which the game shows as U+FFFD); true when there is none.
bool CheckUtf8Line(const std::string& name, size_t line, std::string_view text,
                   Diagnostics& found) {
    const size_t bad = FirstInvalidUtf8(text);
    size_t at = 0;
    while (at < bad && static_cast<unsigned char>(text[at]) >= 0x20) ++at;
    if (at == text.size()) return true;
    const auto byte = static_cast<unsigned char>(text[at]);
    const char* what = at < bad ? " is a control character, not text"
                                : " is not UTF-8: the game shows U+FFFD there";
    found.Error(name, line,
                "column " + std::to_string(CharacterCount(text.substr(0, at)) + 1) + ": byte " +
                    Hex(byte) + what);
    return false;
}

// Reports the first character of a line that shows nothing (a soft hyphen, a zero-width joiner):
// the player cannot type it, so the entry never matches what is typed.
void CheckInvisible(const std::string& name, size_t line, std::string_view text, bool cp1251,
                    Diagnostics& found) {
    const auto* data = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    size_t column = 1;
    for (int32_t i = 0; i < length; ++column) {
        UChar32 c = data[i];
        if (cp1251)
            c = Cp1251Characters()[data[i++]];
        else
            U8_NEXT(data, i, length, c);
        if (c > 0 && IsInvisibleCharacter(c)) {
            found.Warning(name, line,
                          "column " + std::to_string(column) + ": invisible character " +
                              DescribeCharacter(c) +
                              ": no player types it, so the entry never matches the answer");
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

bool Read(const std::string& path, CheckedFile& file, std::string& bytes, Diagnostics& found) {
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
    std::expected<std::string, FileError> read = ReadFile(path);
    if (!read) {
        found.Error(file.name, 1, "cannot be read: " + read.error().Text());
        return false;
    }
    bytes = std::move(*read);
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        found.Error(file.name, 1,
                    "UTF-16 text: the game reads it as other letters; save it as "
                    "UTF-8 (lexodrome-dict import converts it)");
        return false;
    }
    return true;
}

}  // namespace

CheckedFile ReadAndCheckFile(const std::string& path, const std::string& name, Diagnostics& found) {
    CheckedFile file;
    file.name = name;
    std::string bytes;
    file.readable = Read(path, file, bytes, found);
    if (!file.readable) return file;
    const DictionaryEncoding encoding = DetectDictionaryEncoding(bytes);
    const std::string_view text =
        std::string_view(bytes).substr(encoding == DictionaryEncoding::Utf8WithBom ? 3 : 0);
    const size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        found.Error(name, LinesBefore(text.substr(0, nul)) + 1,
                    "NUL byte: the game reads nothing after it");
    }
    size_t line = 0;
    ForEachLine(text, LineEnds::AnyAndNulEnds, [&](std::string_view lineText) {
        ++line;
        const bool cp1251 = encoding == DictionaryEncoding::Cp1251;
        const bool shown = cp1251 ? CheckCp1251Line(name, line, lineText, found)
                                  : CheckUtf8Line(name, line, lineText, found);
        if (shown) CheckInvisible(name, line, lineText, cp1251, found);
    });
    CheckLineEnds(name, text.substr(0, nul), found);
    file.text = DictionaryFileText(std::move(bytes));
    ForEachLine(file.text, LineEnds::AnyAndNulEnds,
                [&](std::string_view lineText) { file.lines.push_back(lineText); });
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
