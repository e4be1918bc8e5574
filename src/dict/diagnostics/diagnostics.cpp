#include "dict/diagnostics/diagnostics.h"

#include <cstdio>
#include <utility>

namespace lexo::dict {

std::string FormatDiagnostic(const Diagnostic& diagnostic) {
    const char* kind = diagnostic.severity == Severity::Error     ? "error"
                       : diagnostic.severity == Severity::Warning ? "warning"
                                                                  : "note";
    const std::string where =
        diagnostic.line == 0 ? std::string() : ":" + std::to_string(diagnostic.line);
    return diagnostic.file + where + ": " + kind + ": " + diagnostic.text;
}

void Diagnostics::Error(std::string file, size_t line, std::string text) {
    all_.push_back({std::move(file), line, Severity::Error, std::move(text)});
    ++errors_;
}

void Diagnostics::Warning(std::string file, size_t line, std::string text) {
    all_.push_back({std::move(file), line, Severity::Warning, std::move(text)});
}

void Diagnostics::Note(std::string file, size_t line, std::string text) {
    all_.push_back({std::move(file), line, Severity::Note, std::move(text)});
    ++notes_;
}

void PrintDiagnostics(const Diagnostics& found, std::ostream& out) {
    for (const Diagnostic& diagnostic : found.All()) out << FormatDiagnostic(diagnostic) << '\n';
}

void WarningCap::Warning(Diagnostics& found, const std::string& file, size_t line,
                         std::string text) {
    if (count_++ < kShown) {
        found.Warning(file, line, std::move(text));
    } else {
        lastLine_ = line;
    }
}

void WarningCap::Finish(Diagnostics& found, const std::string& file,
                        const std::string& what) const {
    if (count_ > kShown)
        found.Warning(file, lastLine_, std::to_string(count_ - kShown) + " more " + what);
}

std::string Printable(std::string_view utf8, size_t characters) {
    std::string shown;
    size_t count = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        const bool starts = (byte & 0xC0) != 0x80;
        if (starts && count++ == characters) return shown + "…";
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace lexo::dict
