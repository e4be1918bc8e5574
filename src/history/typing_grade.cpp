#include "history/typing_grade.h"

#include <algorithm>

#include "text/unicode_text.h"

namespace lexo {

std::optional<Rating> TypingGrade(const WordWalk& walk, double gameSeconds) {
    switch (walk.end) {
        case WalkEnd::Reached: return Rating::Again;
        case WalkEnd::Walking:
            if (gameSeconds - walk.appeared >= kReadSeconds) return Rating::Again;
            return std::nullopt;
        case WalkEnd::Shot: break;
    }
    // The answer typed, not the word: in translation mode it is a translation, and any part of
    // a word or one alternative of a translation line hits.
    const double letters = static_cast<double>(std::max<size_t>(CharacterCount(walk.answer), 1));
    if (walk.corrections >= kHardCorrections || walk.typing > kHardBase + kHardPerLetter * letters)
        return Rating::Hard;
    if (walk.corrections == 0 && walk.misfires == 0 &&
        walk.typing <= kEasyBase + kEasyPerLetter * letters)
        return Rating::Easy;
    return Rating::Good;
}

}  // namespace lexo
