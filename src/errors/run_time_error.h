#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace lexo {

// An error that abandons the current start-up step or event handler. Its text is what the
// player reads in the "zarnik" box (the box appends the full stop), e.g. "File not found" or
// "'12 ' is not a valid integer value".
class RunTimeError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
    // An error about a file whose name the classic text leaves out ("File not found"): the box
    // keeps that text, the standard-error line names the file too.
    RunTimeError(const std::string& text, std::string file)
        : std::runtime_error(text), file_(std::move(file)) {}

    const std::string& File() const { return file_; }

  private:
    std::string file_;
};

}  // namespace lexo
