#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/history_reader.h"

namespace lexo {

// How well a word was recalled in one game, on the four-point scale word trainers share.
enum class Rating : uint8_t { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// One word of a game that counts as a review of it. Texts are UTF-8.
struct GradedWord {
    std::string dictionary;   // the folder the word belongs to (a review game's word: its own)
    std::string word;         // as its names.txt line writes it
    std::string translation;  // empty where the line does not keep it
    Rating rating = Rating::Good;
};

// Every word of the game that counts as a review, in the order the line keeps them. A line with
// the evidence of each walk grades each by TypingGrade (typing_grade.h), and a word that had no
// time to be answered is no review; a line without it counts a shot word as Good and a missed
// one as Again.
std::vector<GradedWord> GradedWords(const HistoryGame& game);

}  // namespace lexo
