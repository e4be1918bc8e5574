#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lexo {

// A word as its own dictionary has it, for a game that played it from elsewhere (the review of
// the words due): the history counts the game's hit or miss for it there.
struct WordSource {
    std::string dictionary;  // the dictionary folder's name
    std::string word;
};

// By the word as the game played it (a names.txt line); it may stand for the same word in
// several dictionaries.
using WordSources = std::map<std::string, std::vector<WordSource>>;

// How a word's walk ended.
enum class WalkEnd : uint8_t { Shot, Reached, Walking };

// One walk of a word across the field: the evidence of how well the learner knew it. Times are
// milliseconds of the game's own clock, from the moment the field came alive.
struct WalkedWord {
    std::string word;
    std::string translation;
    int64_t appearedMs = 0;
    int64_t shotMs = -1;      // -1 unless shot
    std::string answer;       // what was typed to shoot it
    int64_t typingMs = 0;     // from the answer's first key to its Enter
    int32_t corrections = 0;  // keys in the answer that deleted
    int32_t misfires = 0;     // Enter presses that hit nothing while it walked
    WalkEnd end = WalkEnd::Walking;
};

// An Enter that hit nothing, with the words then on the field, oldest first.
struct Misfire {
    std::string typed;
    int64_t atMs = 0;
    std::vector<std::string> field;
};

// One finished game as the learner's history keeps it. Texts are UTF-8, as the game holds them.
struct GameRecord {
    std::string dictionary;  // the dictionary folder's name
    uint8_t mode = 0;        // GameModeValue (game_mode.h)
    int32_t pace = 0;        // the monsters' step period in milliseconds
    int32_t wordsComplete = 0;
    int32_t score = 0;
    std::vector<std::string> shot;  // the words shot, in order
    // The words left on the field, oldest first, with their translations.
    std::vector<std::pair<std::string, std::string>> missed;
    // Where the words came from when not from `dictionary`.
    WordSources sources;
    // Every word that walked, in the order they appeared, and the answers that hit nothing.
    std::vector<WalkedWord> walked{};
    std::vector<Misfire> misfires{};
    int64_t lengthMs = 0;  // from the field coming alive to the player's fall
};

// Where finished games go. Keeping one never disturbs the game: an implementation reports its
// own failures and returns.
class GameHistory {
  public:
    virtual ~GameHistory() = default;
    virtual void Record(const GameRecord& game) = 0;
};

}  // namespace lexo
