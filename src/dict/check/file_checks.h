#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dict/diagnostics/diagnostics.h"

namespace lexo::dict {

// One dictionary file as the game reads it: its text (UTF-8, whether the file is CP1251 or
// UTF-8) and its lines, split by the game's own splitter (so a NUL ends the text).
struct CheckedFile {
    std::string name;  // for messages: FOLDER/names.txt
    bool readable = false;
    std::string text;
    std::vector<std::string_view> lines;  // views into text
};

// Reads the file; a missing, unreadable or non-text (UTF-16) file is an error and gives no
// lines. Then reports what is wrong with its bytes: NUL bytes, control characters, UTF-8 lines
// in a CP1251 file, bytes that are not CP1251 characters, bytes that are not UTF-8 in a file
// marked as UTF-8, and line ends of more than one kind.
CheckedFile ReadAndCheckFile(const std::string& path, const std::string& name, Diagnostics& found);

// Blanks at the start or end of any line; empty lines, unless `emptyAllowed`.
void CheckLineSpacing(const CheckedFile& file, bool emptyAllowed, Diagnostics& found);

}  // namespace lexo::dict
