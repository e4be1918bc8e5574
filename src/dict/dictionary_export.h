#pragma once

#include <filesystem>
#include <string>

#include "dict/diagnostics.h"

namespace lexo::dict {

// A dictionary folder as UTF-8 TSV with LF line ends: Anki's headers (#separator:tab,
// #html:false, #deck: with the title, which `import` reads back, and one #about: line for each
// description line), then one "word TAB translations" row per word, alternatives joined by
// "; ". Lines are read as the game reads them. Unconvertible bytes are errors in `found`; the
// text is then incomplete. Throws RunTimeError when a file cannot be read.
std::string ExportDictionary(const std::filesystem::path& folder, Diagnostics& found);

}  // namespace lexo::dict
