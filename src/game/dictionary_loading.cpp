#include "errors/error_guard.h"
#include "errors/run_time_error.h"
#include "game/dictionary_folders.h"
#include "game/game.h"
#include "text/cp1251.h"
#include "text/text_file.h"

namespace lexo {
namespace {

bool HoldsAWord(const StringList& lines) {
    for (size_t i = 0; i < lines.Count(); ++i) {
        if (!lines[i].empty()) return true;
    }
    return false;
}

void ReadDictionaryFiles(GameState& state) {
    // The game runs in its own folder: dictionary folders are relative to it.
    const std::string names = DictionaryFilePath(".", state.DictionaryDir, kNamesFile);
    state.WordList.SetText(ReadWholeFile(names));
    state.TranslationList.SetText(
        ReadWholeFile(DictionaryFilePath(".", state.DictionaryDir, kNames2File)));
    if (!HoldsAWord(state.WordList)) {
        // No word to put on a monster (no line, or only empty ones): the game would never
        // start, or bring monsters that nothing typed can shoot.
        throw RunTimeError(Utf8ToCp1251("В файле \"" + names + "\" нет ни одного слова"));
    }
}

}  // namespace

// A dictionary that cannot be played (a file removed after the folder was listed, or no words
// at all) is reported, and the player chooses again instead of facing an empty field.
void Game::LoadChosenDictionary() {
    while (!RunGuarded([this] { ReadDictionaryFiles(state_); })) {
        if (!windows_.ShowDictionaryDialog()) return;
        windows_.SetTimerInterval(TimerId::TimerMove, windows_.DictionarySpeed());
    }
}

}  // namespace lexo
