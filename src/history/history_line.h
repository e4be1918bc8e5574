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
// Then the evidence of every walk, times in seconds of the game with one decimal:
//  "seconds":95.2,"words":[{"word":"cat","translation":"кот","appeared":12.3,"shot":15.8,
//  "answer":"кот","typing":2.1,"corrections":1,"misfires":0,"end":"shot"}, …],
//  "misfires":[{"typed":"пёс","at":13.2,"field":["fish","cat"]}]
// shot, answer, typing and corrections only for a word shot; end is "shot", "reached" (the
// player) or "walking" (still, at game over); a word from another dictionary has "dictionary".
std::string HistoryLine(const GameRecord& game, const std::string& time);

// Now, in the local time zone, as the history writes it.
std::string HistoryTimeNow();

// Today in the local time zone: the calendar day the history's times of today are written on.
std::chrono::sys_days HistoryToday();

}  // namespace lexo
