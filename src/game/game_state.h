#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "contract/engine_api.h"
#include "game/game_windows.h"
#include "game/monster_tables.h"
#include "game/sprite_catalogue.h"
#include "records/game_mode.h"
#include "records/game_record.h"
#include "text/string_list.h"

namespace lexo {

// Engine handles of the fixed assets, replaced by every LoadAssets run.
struct AssetHandles {
    EngineHandle BackgroundTexture = 0;
    EngineHandle PlayerTexture = 0;
    EngineHandle DeadPlayerTexture = 0;
    EngineHandle WordFont = 0;
    EngineHandle BannerFont = 0;
    EngineHandle FireSample = 0;
    EngineHandle DieSample = 0;
};

// What the history keeps of how each word was answered. The clock is the game's own: it
// advances by the Game timer's period at each of its ticks while the field is alive.
struct WordEvidence {
    int64_t ClockMs = 0;
    std::vector<WalkedWord> Walked;  // in the order the words appeared
    std::vector<Misfire> Misfires;
    // The answer being typed: its first key after the previous Enter (-1: none yet) and the
    // keys in it that deleted.
    int64_t AnswerStartMs = -1;
    int32_t AnswerCorrections = 0;
};

// Everything a running game knows; the one piece of mutable state of the program. Only the GUI
// thread touches it, one handler at a time.
struct GameState {
    // Chosen in the dictionary dialog; kept across games.
    uint8_t GameMode = kModeNone;
    std::string DictionaryDir;  // folder name as the file system reports it
    // The dictionary played from memory instead of DictionaryDir's files, when one was chosen.
    std::shared_ptr<const MemoryDictionary> MemoryWords;
    StringList WordList;         // lines of names.txt
    StringList TranslationList;  // lines of names2.txt, parallel to WordList
    // The Latin readings of each word and translation (LatinReader), made once at loading.
    std::vector<std::string> WordReadings;
    std::vector<std::string> TranslationReadings;

    int32_t Pace = 40;    // the monsters' step period chosen in the dialog, for the history
    bool Speech = false;  // the words are to be spoken, as chosen in the dialog
    // The espeak-ng voice of the words' language (languages.txt); empty: the words are silent.
    std::string WordsVoice;

    int32_t WordsComplete = 0;
    int32_t Score = 0;  // sum of the lengths of the answers that shot a monster
    int32_t PlayerFrame = 1;
    bool PlayerAnimating = false;  // the shot or the death animation is running
    bool PlayerFacing = false;     // mirrored player: the last monster shot had X >= 400
    bool GameOver = false;
    std::vector<std::string> WordsShot;  // this game's, in order, for the history
    WordEvidence Evidence;               // this game's, for the history

    LiveMonsterTable LiveMonsters;
    CorpseTable Corpses;

    AssetHandles Assets;
    SpriteCatalogue Sprites;

    std::mt19937 Random;
};

}  // namespace lexo
