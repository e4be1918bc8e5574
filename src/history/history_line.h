#pragma once

#include <chrono>
#include <string>

#include "records/game_record.h"

namespace lexo {

// The history's line for one finished game: a JSON object, UTF-8, no line end, e.g.
// {"time":"2026-12-07T18:20:05+01:00","dictionary":"english-basics","mode":"translations",
//  "pace":40,"words_complete":2,"score":9,"shot":["cat","dog"],
//  "missed":[{"word":"fish","translation":"рыба"}]}
// time is ISO 8601 with the offset from UTC. A word from another dictionary (game.sources) is
// written as {"word":"dog","dictionary":"animals"} in shot and with "dictionary" in missed.
std::string HistoryLine(const GameRecord& game, const std::string& time);

// Now, in the local time zone, as the history writes it.
std::string HistoryTimeNow();

// Today in the local time zone: the calendar day the history's times of today are written on.
std::chrono::sys_days HistoryToday();

}  // namespace lexo
