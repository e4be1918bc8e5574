#pragma once

#include <vector>

#include "dict/write/dictionary_build.h"
#include "history/review_schedule.h"

namespace lexo::dict {

// The review dictionary's folder lines for the scheduled words, in the folder's encoding.
DictionaryLines ReviewFolderLines(const std::vector<ReviewWord>& words);

}  // namespace lexo::dict
