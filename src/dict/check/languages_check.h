#pragma once

#include <filesystem>
#include <string>

#include "dict/diagnostics/diagnostics.h"

namespace lexo::dict {

// The folder's languages.txt: a note when it is missing (the words are not spoken), a warning
// when it does not hold two tags or espeak-ng has no voice for a tag.
void CheckLanguages(const std::filesystem::path& folder, Diagnostics& found);

// Whether espeak-ng has a voice of that name ("de", "en-us"), as the engine picks it.
bool HasVoice(const std::string& name);

}  // namespace lexo::dict
