#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lexo {

// A word left on the field, with its names2.txt line. UTF-8.
struct MissedWord {
    std::string word;
    std::string translation;
    std::string dictionary;  // where a review game's word came from; empty: the game's
};

// One game of the history, as its line tells it. Texts are UTF-8.
struct HistoryGame {
    size_t line = 0;                // in the history file, from 1
    std::chrono::sys_seconds when;  // the moment, in UTC
    std::chrono::sys_days day;      // the calendar day the player saw (local to the game)
    std::chrono::minutes offset{};  // of the player's clock from UTC, as the line wrote it
    std::string dictionary;
    std::string mode;  // "words" or "translations"
    int64_t pace = 0;
    int64_t wordsComplete = 0;
    int64_t score = 0;
    std::vector<std::string> shot;
    // Beside shot when a word came from another dictionary (a review game's): its name, or
    // empty for the game's own. Empty when every word is the game's.
    std::vector<std::string> shotDictionaries;
    std::vector<MissedWord> missed;
};

// The dictionary the game's shot word i belongs to.
inline const std::string& ShotDictionary(const HistoryGame& game, size_t i) {
    return i < game.shotDictionaries.size() && !game.shotDictionaries[i].empty()
               ? game.shotDictionaries[i]
               : game.dictionary;
}

// A line that is not a game (torn by a crash, edited by hand, garbage): skipped, and said why.
struct HistorySkip {
    size_t line = 0;
    std::string reason;
};

struct History {
    std::vector<HistoryGame> games;  // in file order
    std::vector<HistorySkip> skipped;
};

// The games of a history file's text, one JSON object a line; empty lines are passed over.
History ReadHistory(std::string_view text);

// The games in the order they were played: by time, as in the file where times are equal.
// Clocks are set back and files are joined, so the line number alone does not tell.
std::vector<const HistoryGame*> InPlayOrder(const std::vector<HistoryGame>& games);

// "2026-12-07T18:20:05+01:00" (or "…Z"): the moment and the calendar day as written; false
// when the text is not such a time.
bool ParseHistoryTime(std::string_view text, std::chrono::sys_seconds& when,
                      std::chrono::sys_days& day, std::chrono::minutes* offset = nullptr);

// "2026-12-09".
std::string FormatHistoryDay(std::chrono::sys_days day);

}  // namespace lexo
