#include "game/monster_tables.h"

#include <utility>

namespace lexo {

void LiveMonsterTable::Append(int32_t kind, int32_t x, int32_t y, std::string word,
                              std::string translation, std::string wordReadings,
                              std::string translationReadings) {
    Kind.push_back(kind);
    Frame.push_back(1);
    X.push_back(x);
    Y.push_back(y);
    Word.push_back(std::move(word));
    Translation.push_back(std::move(translation));
    WordReadings.push_back(std::move(wordReadings));
    TranslationReadings.push_back(std::move(translationReadings));
}

void LiveMonsterTable::Remove(size_t row) {
    auto erase = [row](auto& column) {
        column.erase(column.begin() + static_cast<ptrdiff_t>(row));
    };
    erase(Kind);
    erase(Frame);
    erase(X);
    erase(Y);
    erase(Word);
    erase(Translation);
    erase(WordReadings);
    erase(TranslationReadings);
}

void CorpseTable::Append(int32_t kind, int32_t x, int32_t y) {
    Kind.push_back(kind);
    X.push_back(x);
    Y.push_back(y);
    Frame.push_back(1);
}

}  // namespace lexo
