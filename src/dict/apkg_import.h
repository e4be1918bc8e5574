#pragma once

#include <optional>
#include <string>

#include "dict/command_line.h"
#include "dict/diagnostics.h"
#include "dict/import_formats.h"

namespace lexo::dict {

// The rows of the Anki package or collection `file`, as the import's --fields and --deck
// choose them; nothing, with `status` set, after printing why the package cannot be read.
std::optional<ParsedInput> ReadPackageInput(const Arguments& parsed, const std::string& file,
                                            Diagnostics& found, int& status);

}  // namespace lexo::dict
