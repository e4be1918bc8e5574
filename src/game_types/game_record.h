#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace lexo {

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
};

// Where finished games go. Keeping one never disturbs the game: an implementation reports its
// own failures and returns.
class GameHistory {
  public:
    virtual ~GameHistory() = default;
    virtual void Record(const GameRecord& game) = 0;
};

}  // namespace lexo
