#pragma once

#include <string>

#include "game/game_texts.h"
#include "review/review_dictionary.h"
#include "text/player_language.h"

class QCoreApplication;

namespace lexo {

// Where the game's compiled translations lie in the game folder, the working directory.
inline constexpr const char* kTranslationsFolder = "translations";

// Gives the application the game's translation into the player's language, and Qt's own for
// its standard buttons and menus. Russian, the language of the texts in the code, needs no
// translation of the game's; a missing one leaves the game in Russian, with a line on stderr.
void InstallTranslations(QCoreApplication& application, const PlayerLanguage& language);

// Whether the compiled translation `qm` is whole: its SHA-256 is the one the build wrote beside it
// (QM.sha256). Qt reads a .qm without checking it and may crash on a damaged one.
bool TranslationIntact(const std::string& qm);

// The texts the game logic writes, in the language the application speaks.
GameTexts TranslatedGameTexts();

// The review's name and description, in the language the application speaks.
ReviewTexts TranslatedReviewTexts();

}  // namespace lexo
