#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>
#include <utility>

#include "errors/error_guard.h"
#include "errors/run_time_error.h"
#include "game/dictionary_folders.h"
#include "game/game.h"
#include "text/cp1251.h"
#include "text/dictionary_languages.h"
#include "text/latin_reading.h"
#include "text/text_file.h"

namespace lexo {
namespace {

struct LoadedDictionary {
    StringList words;
    StringList translations;
    StringList givenReadings;  // readings.txt, when the folder has one
    std::string wordsVoice;
};

// Transliteration is far too slow for a frame or a keystroke: every line's readings are made
// here, once. A list without any (Latin, Cyrillic) keeps no column of empty strings.
std::vector<std::string> LineReadings(LatinReader& reader, const StringList& lines,
                                      const StringList* given) {
    std::vector<std::string> readings;
    for (size_t i = 0; i < lines.Count(); ++i) {
        const bool hasGiven = given != nullptr && i < given->Count();
        std::string line = reader.Readings(lines[i], hasGiven ? (*given)[i] : std::string_view());
        if (line.empty()) continue;
        if (readings.empty()) readings.resize(lines.Count());
        readings[i] = std::move(line);
    }
    return readings;
}

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

// readings.txt is optional, as languages.txt is: one that cannot be read (a pipe, no
// permission) costs the words their given readings, not the dictionary.
StringList GivenReadings(const std::string& path) {
    StringList readings;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return readings;
    try {
        if (!std::filesystem::is_regular_file(path, error)) throw RunTimeError("not a file");
        readings.SetText(ReadDictionaryFile(path));
    } catch (const RunTimeError& failure) {
        std::cerr << "zarnik: " << path << " skipped: " << Cp1251ToUtf8(failure.what()) << '\n';
    }
    return readings;
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
    lines.givenReadings = GivenReadings(DictionaryFilePath(".", folder, kReadingsFile));
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
        LatinReader reader;
        state_.WordReadings = LineReadings(reader, state_.WordList, &lines.givenReadings);
        state_.TranslationReadings = LineReadings(reader, state_.TranslationList, nullptr);
        state_.WordsVoice = state_.Speech ? std::move(lines.wordsVoice) : std::string();
        return true;
    }
}

}  // namespace lexo
