#include "history/graded_words.h"

namespace lexo {

std::vector<GradedWord> GradedWords(const HistoryGame& game) {
    std::vector<GradedWord> graded;
    graded.reserve(game.shot.size() + game.missed.size());
    for (size_t i = 0; i < game.shot.size(); ++i)
        graded.push_back({ShotDictionary(game, i), game.shot[i], {}, Rating::Good});
    for (const MissedWord& missed : game.missed) {
        const std::string& dictionary =
            missed.dictionary.empty() ? game.dictionary : missed.dictionary;
        graded.push_back({dictionary, missed.word, missed.translation, Rating::Again});
    }
    return graded;
}

}  // namespace lexo
