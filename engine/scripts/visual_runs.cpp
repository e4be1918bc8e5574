#include "visual_runs.h"

#include <unicode/ubidi.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <memory>

namespace lexo {
namespace {

// The bidirectional level of each character, from ICU; all 0 (left to right) when it fails.
// ICU reads UTF-16: a character's level is that of its first unit.
std::vector<UBiDiLevel> Levels(std::u32string_view line) {
    std::vector<UBiDiLevel> levels(line.size(), 0);
    std::u16string units;
    std::vector<int32_t> firstUnit;
    for (char32_t c : line) {
        firstUnit.push_back(static_cast<int32_t>(units.size()));
        if (U_IS_BMP(c)) {
            units.push_back(static_cast<char16_t>(c));
        } else {
            units.push_back(U16_LEAD(c));
            units.push_back(U16_TRAIL(c));
        }
    }
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UBiDi, void (*)(UBiDi*)> bidi(
        ubidi_openSized(static_cast<int32_t>(units.size()), 0, &status), ubidi_close);
    // The paragraph's direction is that of its first strong character.
    ubidi_setPara(bidi.get(), units.data(), static_cast<int32_t>(units.size()), UBIDI_DEFAULT_LTR,
                  nullptr, &status);
    const UBiDiLevel* unitLevels = ubidi_getLevels(bidi.get(), &status);
    if (U_FAILURE(status) || unitLevels == nullptr) return levels;
    for (size_t i = 0; i < line.size(); ++i) levels[i] = unitLevels[firstUnit[i]];
    return levels;
}

}  // namespace

std::vector<VisualRun> VisualRuns(std::u32string_view line, const std::vector<int>& faces) {
    const std::vector<UBiDiLevel> levels = Levels(line);
    std::vector<VisualRun> runs;
    std::vector<UBiDiLevel> runLevels;
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
    int lowestOdd = UBIDI_MAX_EXPLICIT_LEVEL + 2;
    for (UBiDiLevel level : runLevels) {
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
