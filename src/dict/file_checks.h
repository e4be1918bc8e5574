#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dict/diagnostics.h"

namespace lexo::dict {

// One dictionary file as the game reads it: its bytes and its lines, split by the game's own
// splitter (so a NUL ends the text).
struct CheckedFile {
    std::string name;  // for messages: FOLDER/names.txt
    bool readable = false;
    std::string bytes;
    std::vector<std::string_view> lines;  // views into bytes
};

// Reads the file; a missing, unreadable or non-text (UTF-16) file is an error and gives no
// lines. Then reports what is wrong with its bytes: BOMs, NUL bytes, UTF-8 text, bytes that are
// not CP1251 characters, and line ends of more than one kind.
CheckedFile ReadAndCheckFile(const std::string& path, const std::string& name, Diagnostics& found);

// Blanks at the start or end of any line; empty lines, unless `emptyAllowed`.
void CheckLineSpacing(const CheckedFile& file, bool emptyAllowed, Diagnostics& found);

}  // namespace lexo::dict
