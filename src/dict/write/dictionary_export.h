#pragma once

#include <filesystem>
#include <string>

#include "dict/diagnostics/diagnostics.h"
#include "dict/diagnostics/early_end.h"

namespace lexo::dict {

// A dictionary folder as UTF-8 TSV with LF line ends: Anki's headers (#separator:tab,
// #html:false, a #lexodrome: line with the files' line ends and line counts, #deck: with the
// title, one #about: line for each description line, and one #about.LL: line for each line of
// an about.LL.txt, its title included), then one "word TAB translation" row
// for each line of names.txt and names2.txt, as the game reads them, so that `import` gives
// the same files back. Unconvertible bytes are errors in `found`; the text is then incomplete.
// Ends the command when a file cannot be read.
Outcome<std::string> ExportDictionary(const std::filesystem::path& folder, Diagnostics& found);

}  // namespace lexo::dict
