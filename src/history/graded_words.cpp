#include "history/graded_words.h"

#include "history/typing_grade.h"

namespace lexo {

std::vector<GradedWord> GradedWords(const HistoryGame& game) {
    std::vector<GradedWord> graded;
    if (game.walksKept) {
        for (const WordWalk& walk : game.walks) {
            const std::optional<Rating> rating = TypingGrade(walk, game.seconds);
            if (!rating) continue;
            const std::string& dictionary =
                walk.dictionary.empty() ? game.dictionary : walk.dictionary;
            graded.push_back({dictionary, walk.word, walk.translation, *rating});
        }
        return graded;
    }
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
