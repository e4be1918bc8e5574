#include "visual_runs.h"

#include <algorithm>

namespace lexo {
namespace {

// The levels of the characters, from FriBidi; all 0 (left to right) when it fails.
std::vector<FriBidiLevel> Levels(const ScriptLibraries& lib, std::u32string_view line) {
    const auto length = static_cast<FriBidiStrIndex>(line.size());
    std::vector<FriBidiLevel> levels(line.size(), 0);
    const std::vector<FriBidiChar> text(line.begin(), line.end());
    std::vector<FriBidiCharType> types(line.size());
    std::vector<FriBidiBracketType> brackets(line.size());
    lib.fribidi_get_bidi_types(text.data(), length, types.data());
    lib.fribidi_get_bracket_types(text.data(), length, types.data(), brackets.data());
    FriBidiParType direction = FRIBIDI_PAR_ON;
    if (lib.fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), length, &direction,
                                                levels.data()) == 0) {
        std::fill(levels.begin(), levels.end(), 0);
    }
    return levels;
}

}  // namespace

std::vector<VisualRun> VisualRuns(const ScriptLibraries& lib, std::u32string_view line,
                                  const std::vector<int>& faces) {
    const std::vector<FriBidiLevel> levels = Levels(lib, line);
    std::vector<VisualRun> runs;
    std::vector<FriBidiLevel> runLevels;
    for (size_t i = 0; i < line.size(); ++i) {
        if (runs.empty() || faces[i] != runs.back().face || levels[i] != runLevels.back()) {
            runs.push_back({i, i, faces[i], (levels[i] & 1) != 0});
            runLevels.push_back(levels[i]);
        }
        runs.back().end = i + 1;
    }
    // From the highest level down to the lowest odd one, every sequence of runs at that level
    // or above turns around.
    int highest = 0;
    int lowestOdd = FRIBIDI_BIDI_MAX_EXPLICIT_LEVEL + 2;
    for (FriBidiLevel level : runLevels) {
        highest = std::max<int>(highest, level);
        if ((level & 1) != 0) lowestOdd = std::min<int>(lowestOdd, level);
    }
    for (int level = highest; level >= lowestOdd && level > 0; --level) {
        for (size_t i = 0; i < runs.size();) {
            if (runLevels[i] < level) {
                ++i;
                continue;
            }
            size_t end = i;
            while (end < runs.size() && runLevels[end] >= level) ++end;
            std::reverse(runs.begin() + i, runs.begin() + end);
            std::reverse(runLevels.begin() + i, runLevels.begin() + end);
            i = end;
        }
    }
    return runs;
}

}  // namespace lexo
