#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lexo::dict {

enum class Severity { Note, Warning, Error };

// One finding about one line of one file, printed as "FILE:LINE: error: TEXT" (or warning, or
// note for what is no fault but worth knowing) so that editors can jump to it. Lines count from
// 1; line 0 is the file as a whole ("FILE: error: TEXT"). For an Anki package the line is the
// note's id.
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
    void Note(std::string file, size_t line, std::string text);

    const std::vector<Diagnostic>& All() const { return all_; }
    size_t Errors() const { return errors_; }
    size_t Warnings() const { return all_.size() - errors_ - notes_; }

  private:
    std::vector<Diagnostic> all_;
    size_t errors_ = 0;
    size_t notes_ = 0;
};

// One line each, in order.
void PrintDiagnostics(const Diagnostics& found, std::ostream& out);

// Warnings of one kind past the first few are counted rather than listed, so that a list of
// 100,000 duplicates does not bury everything else; Finish adds one warning with the count.
class WarningCap {
  public:
    void Warning(Diagnostics& found, const std::string& file, size_t line, std::string text);
    // "N more WHAT" at the line of the last one held back.
    void Finish(Diagnostics& found, const std::string& file, const std::string& what) const;

  private:
    static constexpr size_t kShown = 20;
    size_t count_ = 0;
    size_t lastLine_ = 0;
};

// UTF-8 text from a file or a history made fit for a terminal and a message: control
// characters as \xNN, and cut after `characters` characters with "…".
std::string Printable(std::string_view utf8, size_t characters = 60);

}  // namespace lexo::dict
