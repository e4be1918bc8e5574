#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace lexo::dict {

enum class Severity { Warning, Error };

// One finding about one line of one file, printed as "FILE:LINE: error: TEXT" (or warning) so
// that editors can jump to it. Lines count from 1.
struct Diagnostic {
    std::string file;
    size_t line = 1;
    Severity severity = Severity::Error;
    std::string text;  // UTF-8
};

std::string FormatDiagnostic(const Diagnostic& diagnostic);

// Findings in the order they were made.
class Diagnostics {
  public:
    void Error(std::string file, size_t line, std::string text);
    void Warning(std::string file, size_t line, std::string text);

    const std::vector<Diagnostic>& All() const { return all_; }
    size_t Errors() const { return errors_; }
    size_t Warnings() const { return all_.size() - errors_; }

  private:
    std::vector<Diagnostic> all_;
    size_t errors_ = 0;
};

// One line each, in order.
void PrintDiagnostics(const Diagnostics& found, std::ostream& out);

}  // namespace lexo::dict
