#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lexo {

// The monsters still walking: parallel columns, row i is entry i of every column. Rows are
// always visited from row 0 upward: drawing, collision and answer matching follow that order.
struct LiveMonsterTable {
    std::vector<int32_t> Kind;             // 1-based index into AliveSprites and DeadSprites
    std::vector<int32_t> Frame;            // walking frame, from 1
    std::vector<int32_t> X;                // left edge of the sprite
    std::vector<int32_t> Y;                // top edge of the sprite
    std::vector<std::string> Word;         // CP1251, drawn above the monster
    std::vector<std::string> Translation;  // CP1251, the matching translation line
    // The Latin readings of the word and of the translation (as LatinReader gives them).
    std::vector<std::string> WordReadings;
    std::vector<std::string> TranslationReadings;

    size_t Count() const { return Kind.size(); }
    void Append(int32_t kind, int32_t x, int32_t y, std::string word, std::string translation,
                std::string wordReadings = {}, std::string translationReadings = {});
    void Remove(size_t row);
};

// The monsters that were shot; they stay on the field until the next game.
struct CorpseTable {
    std::vector<int32_t> Kind;
    std::vector<int32_t> X;
    std::vector<int32_t> Y;
    std::vector<int32_t> Frame;  // dying frame, from 1, held at the last one

    size_t Count() const { return Kind.size(); }
    void Append(int32_t kind, int32_t x, int32_t y);
};

}  // namespace lexo
