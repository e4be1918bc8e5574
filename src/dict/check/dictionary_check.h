#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "dict/check/game_metrics.h"
#include "dict/diagnostics/diagnostics.h"

namespace lexo::dict {

struct CheckSummary {
    size_t words = 0;         // lines of names.txt that hold a word
    size_t translations = 0;  // of those, the ones with a translation
    size_t errors = 0;
    size_t warnings = 0;
};

// Everything in a dictionary folder that would surprise a player, each with its file and line.
// Word widths are measured when `metrics` is given.
CheckSummary CheckDictionary(const std::filesystem::path& folder, const GameMetrics* metrics,
                             Diagnostics& found);

// "FOLDER: 40 words, 40 translations, 0 errors, 1 warning"
std::string FormatSummary(const std::string& folder, const CheckSummary& summary);

}  // namespace lexo::dict
