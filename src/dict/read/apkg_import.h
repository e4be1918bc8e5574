#pragma once

#include <optional>
#include <string>

#include "dict/diagnostics/diagnostics.h"
#include "dict/read/apkg_notes.h"
#include "dict/read/import_formats.h"

namespace lexo::dict {

// The rows of the Anki package or collection `file`, as `choice` takes them; nothing, with
// `status` set, after printing why the package cannot be read.
std::optional<ParsedInput> ReadPackageInput(const NoteChoice& choice, const std::string& file,
                                            Diagnostics& found, int& status);

}  // namespace lexo::dict
