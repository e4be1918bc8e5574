#include "dict/diagnostics.h"

#include <utility>

namespace lexo::dict {

std::string FormatDiagnostic(const Diagnostic& diagnostic) {
    const char* kind = diagnostic.severity == Severity::Error ? "error" : "warning";
    return diagnostic.file + ":" + std::to_string(diagnostic.line) + ": " + kind + ": " +
           diagnostic.text;
}

void Diagnostics::Error(std::string file, size_t line, std::string text) {
    all_.push_back({std::move(file), line, Severity::Error, std::move(text)});
    ++errors_;
}

void Diagnostics::Warning(std::string file, size_t line, std::string text) {
    all_.push_back({std::move(file), line, Severity::Warning, std::move(text)});
}

void PrintDiagnostics(const Diagnostics& found, std::ostream& out) {
    for (const Diagnostic& diagnostic : found.All()) out << FormatDiagnostic(diagnostic) << '\n';
}

}  // namespace lexo::dict
