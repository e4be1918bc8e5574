#pragma once

#include <optional>

#include "history/graded_words.h"
#include "history/history_reader.h"

namespace lexo {

// Seconds, and keys that deleted; see TypingGrade.
constexpr double kReadSeconds = 5.0;
constexpr double kEasyBase = 0.5;
constexpr double kEasyPerLetter = 0.3;
constexpr double kHardBase = 1.0;
constexpr double kHardPerLetter = 0.8;
constexpr int kHardCorrections = 3;

// What the typing alone tells of one walk of a word, with the game's length in seconds:
// - reached the player, or still walking at game over after kReadSeconds on the field: Again;
// - still walking at game over after less: nothing, the learner had no time to answer;
// - shot: Easy when typed within kEasyBase + kEasyPerLetter a letter of the answer with no key
//   that deleted and no misfire while it walked; Hard when slower than kHardBase +
//   kHardPerLetter a letter or with kHardCorrections keys that deleted; Good otherwise.
// A misfire may have been meant for another word on the field, so it only withholds Easy.
std::optional<Rating> TypingGrade(const WordWalk& walk, double gameSeconds);

}  // namespace lexo
