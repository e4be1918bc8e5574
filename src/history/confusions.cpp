#include "history/confusions.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <tuple>

#include "text/alternatives.h"
#include "text/unicode_text.h"

namespace lexo {
namespace {

// A translation line's alternatives in match form.
void AddAlternatives(std::string_view translation, std::set<std::string>& answers) {
    ForEachAlternative(translation, [&](std::string_view alternative) {
        const std::string answer = MatchForm(alternative);
        if (answer.find_first_not_of(' ') != std::string::npos) answers.insert(answer);
    });
}

// Every answer the history has met, by mode, in match form.
struct KnownAnswers {
    std::set<std::string> words;
    std::set<std::string> translations;
};

KnownAnswers AnswersMet(const std::vector<HistoryGame>& games) {
    KnownAnswers known;
    for (const HistoryGame& game : games) {
        for (const std::string& word : game.shot) known.words.insert(MatchForm(word));
        for (const MissedWord& missed : game.missed) {
            known.words.insert(MatchForm(missed.word));
            AddAlternatives(missed.translation, known.translations);
        }
        for (const WordWalk& walk : game.walks) {
            known.words.insert(MatchForm(walk.word));
            AddAlternatives(walk.translation, known.translations);
        }
    }
    return known;
}

// The answer the game expected for a word on the field, in match form.
std::string ExpectedAnswer(const HistoryGame& game, const std::string& word) {
    if (game.mode != "translations") return MatchForm(word);
    for (const WordWalk& walk : game.walks) {
        if (walk.word == word) return MatchForm(walk.translation);
    }
    for (const MissedWord& missed : game.missed) {
        if (missed.word == word) return MatchForm(missed.translation);
    }
    return {};
}

}  // namespace

std::vector<Confusion> FrequentConfusions(const std::vector<HistoryGame>& games, size_t most) {
    const KnownAnswers known = AnswersMet(games);
    // By dictionary, word on the field and answer typed in match form.
    std::map<std::tuple<std::string, std::string, std::string>, Confusion> counted;
    for (const HistoryGame* game : InPlayOrder(games)) {
        const std::set<std::string>& answers =
            game->mode == "translations" ? known.translations : known.words;
        for (const HistoryMisfire& misfire : game->misfires) {
            if (misfire.field.empty()) continue;
            const std::string typed = MatchForm(misfire.typed);
            const std::string& walking = misfire.field.front();
            if (!answers.contains(typed) ||
                ExpectedAnswer(*game, walking).find(typed) != std::string::npos)
                continue;
            Confusion& confusion = counted[{game->dictionary, walking, typed}];
            if (confusion.times++ == 0) confusion = {misfire.typed, walking, game->dictionary, 1};
        }
    }
    std::vector<Confusion> confusions;
    for (auto& [key, confusion] : counted) confusions.push_back(std::move(confusion));
    std::stable_sort(confusions.begin(), confusions.end(),
                     [](const Confusion& a, const Confusion& b) { return a.times > b.times; });
    if (confusions.size() > most) confusions.resize(most);
    return confusions;
}

}  // namespace lexo
