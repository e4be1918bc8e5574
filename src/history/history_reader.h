#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/game_record.h"

namespace lexo {

// A word left on the field, with its names2.txt line. UTF-8.
struct MissedWord {
    std::string word;
    std::string translation;
    std::string dictionary;  // where a review game's word came from; empty: the game's
};

// One walk of a word across the field, as the line's "words" keep it. Times are seconds from
// the start of the game.
struct WordWalk {
    std::string word;
    std::string translation;
    std::string dictionary;  // where a review game's word came from; empty: the game's
    double appeared = 0;
    double shot = -1;    // -1 unless shot
    std::string answer;  // what was typed to shoot it
    double typing = 0;   // from the answer's first key to its Enter
    int64_t corrections = 0;
    int64_t misfires = 0;  // Enter presses that hit nothing while it walked
    WalkEnd end = WalkEnd::Walking;
};

// An answer that hit nothing, with the words then on the field, oldest first.
struct HistoryMisfire {
    std::string typed;
    double at = 0;
    std::vector<std::string> field;
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
    // The evidence of every walk, where the line keeps it (walksKept): lines of older games,
    // and lines whose record is damaged, tell only shot and missed.
    bool walksKept = false;
    double seconds = 0;  // the game's length
    std::vector<WordWalk> walks;
    std::vector<HistoryMisfire> misfires;
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
