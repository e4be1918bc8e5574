#include "dict/diagnostics/early_end.h"

#include <iostream>

#include "text/file_reader.h"

namespace lexo::dict {

EarlyEnd FileSystemEnd(const std::string& text) {
    return {kUsageOrFiles, "lexodrome-dict: " + text + "\n"};
}

EarlyEnd FileSystemEnd(const FileError& error) { return FileSystemEnd(error.Text()); }

int Finish(const EarlyEnd& end) {
    (end.status == kSuccess ? std::cout : std::cerr) << end.text;
    return end.status;
}

}  // namespace lexo::dict
