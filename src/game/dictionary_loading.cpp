#include <cstdlib>
#include <string_view>

#include "errors/error_guard.h"
#include "errors/run_time_error.h"
#include "game/dictionary_folders.h"
#include "game/game.h"
#include "text/cp1251.h"
#include "text/dictionary_languages.h"
#include "text/text_file.h"

namespace lexo {
namespace {

struct LoadedDictionary {
    StringList words;
    StringList translations;
    std::string wordsVoice;
};

// The espeak-ng voice is named by the words' language tag ("de", "en-us").
std::string WordsVoice(const std::string& folder) {
    const auto languages = ReadLanguages(DictionaryFilePath(".", folder, kLanguagesFile));
    return languages ? languages->words : std::string();
}

// LEXODROME_SPEECH=off silences the words whatever the dialog says (tests, a classroom).
bool SpeechSilenced() {
    const char* setting = std::getenv("LEXODROME_SPEECH");
    return setting != nullptr && std::string_view(setting) == "off";
}

bool HoldsAWord(const StringList& lines) {
    for (size_t i = 0; i < lines.Count(); ++i) {
        if (!lines[i].empty()) return true;
    }
    return false;
}

// Both files are read before either list is taken, so a dictionary that fails halfway leaves
// nothing of itself in the game.
LoadedDictionary ReadDictionaryFiles(const std::string& folder, const std::string& noWords) {
    // The game runs in its own folder: dictionary folders are relative to it.
    const std::string names = DictionaryFilePath(".", folder, kNamesFile);
    LoadedDictionary lines;
    lines.words.SetText(ReadDictionaryFile(names));
    lines.translations.SetText(ReadDictionaryFile(DictionaryFilePath(".", folder, kNames2File)));
    lines.wordsVoice = WordsVoice(folder);
    if (!HoldsAWord(lines.words)) {
        // No word to put on a monster (no line, or only empty ones): the game would never
        // start, or bring monsters that nothing typed can shoot.
        // Run-time errors are CP1251, as every other of their texts.
        throw RunTimeError(Utf8ToCp1251(FillIn(noWords, {names})));
    }
    return lines;
}

LoadedDictionary MemoryLines(const MemoryDictionary& memory) {
    LoadedDictionary lines;
    for (const std::string& word : memory.words) lines.words.Add(word);
    for (const std::string& translation : memory.translations) lines.translations.Add(translation);
    return lines;
}

}  // namespace

void Game::ApplyDictionaryChoice(const DictionaryChoice& choice) {
    state_.DictionaryDir = choice.folder;
    state_.MemoryWords = choice.memory;
    state_.GameMode = choice.mode;
    state_.Pace = choice.pace;
    state_.Speech = choice.speech && !SpeechSilenced();
    windows_.SetTimerInterval(TimerId::TimerMove, choice.pace);
}

// A dictionary that cannot be played (a file removed after the folder was listed, or no words
// at all) is reported, and the player chooses again, or quits, instead of facing an empty
// field.
bool Game::LoadChosenDictionary() {
    for (;;) {
        LoadedDictionary lines;
        if (state_.MemoryWords) {
            lines = MemoryLines(*state_.MemoryWords);
        } else if (!RunGuarded([&] {
                       lines = ReadDictionaryFiles(state_.DictionaryDir, texts_.noWords);
                   })) {
            std::optional<DictionaryChoice> choice = windows_.ShowDictionaryDialog(true);
            if (!choice) return false;
            ApplyDictionaryChoice(*choice);
            continue;
        }
        state_.WordList = std::move(lines.words);
        state_.TranslationList = std::move(lines.translations);
        state_.WordsVoice = state_.Speech ? std::move(lines.wordsVoice) : std::string();
        return true;
    }
}

}  // namespace lexo
