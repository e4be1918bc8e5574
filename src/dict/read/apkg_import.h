#pragma once

#include <optional>
#include <string>

#include "dict/diagnostics/diagnostics.h"
#include "dict/diagnostics/early_end.h"
#include "dict/read/apkg_notes.h"
#include "dict/read/import_formats.h"

namespace lexo::dict {

// The rows of the Anki package or collection `file`, as `choice` takes them, or the import's
// end saying why the package cannot be read.
Outcome<ParsedInput> ReadPackageInput(const NoteChoice& choice, const std::string& file,
                                      Diagnostics& found);

}  // namespace lexo::dict
