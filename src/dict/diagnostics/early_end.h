#pragma once

#include <expected>
#include <string>

#include "dict/diagnostics/exit_status.h"

namespace lexo {
struct FileError;
}

namespace lexo::dict {

// How a command ends before its work is done: the lines it prints and its exit code. The
// stages return it; the command prints it once, where it returns. Asking for help ends a
// command too, with success, and its lines go to standard output; all others to standard error.
struct EarlyEnd {
    int status = kUsageOrFiles;
    std::string text;  // whole lines
};

template <class T>
using Outcome = std::expected<T, EarlyEnd>;

// "lexodrome-dict: TEXT", ending with kUsageOrFiles: the file system failed.
EarlyEnd FileSystemEnd(const std::string& text);
EarlyEnd FileSystemEnd(const FileError& error);

// Prints the end where it belongs and gives its exit code.
int Finish(const EarlyEnd& end);

}  // namespace lexo::dict
