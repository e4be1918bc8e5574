#pragma once

#include <string>

#include "text/fill_in.h"

namespace lexo {

// The texts the game logic writes itself, as game text. They start as the classic ones; the
// windows give the game the player's language in their place.
struct GameTexts {
    // The caption after a shot: %1 the words complete, %2 the score.
    std::string scoreCaption = "Lexodrome. Words complete: %1. Score:%2.";
    // The banner drawn on the field once the game is over.
    std::string banner = "ИГРА ОКОНЧЕНА!";
    // The error of a dictionary without a word: %1 the path of its names file.
    std::string noWords = "В файле \"%1\" нет ни одного слова";
};

}  // namespace lexo
