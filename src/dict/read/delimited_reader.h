#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace lexo::dict {

// Reads records of separated fields (TSV, CSV, Anki's plain text) with RFC 4180 quoting: a field
// that starts with '"' runs to its closing quote, "" inside it is one quote, and it may hold
// separators and line ends. Lines end at CR LF, LF or CR.
class DelimitedReader {
  public:
    DelimitedReader(std::string_view text, char separator);

    bool AtEnd() const { return pos_ >= text_.size(); }
    // The line (from 1) where the next record starts.
    size_t Line() const { return line_; }
    // The rest of the current line, without its line end.
    std::string_view RestOfLine() const;
    void SkipLine();

    // Reads the next record into `fields`; `raw` becomes the text it was read from. Fields are
    // views into the text, except those whose quoting changed them: their text is added to
    // `kept`, which must outlive the views.
    void ReadRecord(std::vector<std::string_view>& fields, std::string_view& raw,
                    std::deque<std::string>& kept);
    // The line of a quote the last record opened and the text never closed, or 0.
    size_t UnclosedQuoteLine() const { return unclosedLine_; }

  private:
    bool AtLineEnd() const;
    void PassLineEnd();
    std::string_view ReadQuoted(std::deque<std::string>& kept);

    std::string_view text_;
    char separator_;
    size_t pos_ = 0;
    size_t line_ = 1;
    size_t unclosedLine_ = 0;
};

}  // namespace lexo::dict
