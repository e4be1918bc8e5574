#pragma once

#include <string_view>

namespace lexo::dict {

// The texts of the progress page, in the languages the game's windows speak.
enum class PageText {
    Title,
    ClassTitle,
    Source,
    NoGame,
    NoWordMissed,
    Dictionary,
    Mode,
    Games,
    Best,
    Latest,
    Shot,
    Missed,
    MostMissed,
    ScoreOverTime,
    WordsKnownOverTime,
    MostMissedWords,
    Word,
    Translation,
    TimesMissed,
    Learner,
    LastPlayed,
    Score,
    WordsKnown,
    ModeWords,
    ModeTranslations,
    Confusions,
    NoConfusion,
    Typed,
    WhileWalking,
    TimesConfused,
    TrueRetention,
    RetentionLine,
    Calibration,
    Predicted,
    Recalled,
    Reviews,
    ForgottenBy,
    Chance,
    KnownNow,
    WordsPlayed,
    Count
};

// The text in `language` ("ru", "en", "de", "uk", "fr", "es", "pl" or "it"; Russian, the
// windows' own, for any other).
std::string_view PageString(PageText text, std::string_view language);

// A mode as the history writes it ("words", "translations") in `language`; another as it is.
std::string_view ModeName(std::string_view mode, std::string_view language);

}  // namespace lexo::dict
