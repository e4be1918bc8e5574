#include "game/game.h"

namespace lexo {
namespace {

// The walk of a word still on the field: a walking word is never spawned twice, so its latest
// unfinished walk is its own.
WalkedWord* OpenWalk(std::vector<WalkedWord>& walked, const std::string& word) {
    for (auto it = walked.rbegin(); it != walked.rend(); ++it) {
        if (it->word == word && it->end == WalkEnd::Walking) return &*it;
    }
    return nullptr;
}

}  // namespace

void Game::StartEvidence() { state_.Evidence = WordEvidence(); }

void Game::NoteKey(int key) {
    WordEvidence& evidence = state_.Evidence;
    if (evidence.AnswerStartMs < 0) evidence.AnswerStartMs = evidence.ClockMs;
    if (key == kBackspaceKey || key == kDeleteKey) ++evidence.AnswerCorrections;
}

void Game::NoteAppeared(const std::string& word, const std::string& translation) {
    WalkedWord walk;
    walk.word = word;
    walk.translation = translation;
    walk.appearedMs = state_.Evidence.ClockMs;
    state_.Evidence.Walked.push_back(std::move(walk));
}

void Game::NoteShot(const std::string& word, const std::string& answer) {
    WordEvidence& evidence = state_.Evidence;
    WalkedWord* walk = OpenWalk(evidence.Walked, word);
    if (walk == nullptr) return;
    walk->end = WalkEnd::Shot;
    walk->shotMs = evidence.ClockMs;
    walk->answer = answer;
    // An answer put in without a key (pasted with the mouse) took no typing.
    walk->typingMs = evidence.AnswerStartMs < 0 ? 0 : evidence.ClockMs - evidence.AnswerStartMs;
    walk->corrections = evidence.AnswerCorrections;
}

void Game::NoteMisfire(const std::string& answer) {
    WordEvidence& evidence = state_.Evidence;
    Misfire misfire{answer, evidence.ClockMs, state_.LiveMonsters.Word};
    for (const std::string& word : misfire.field) {
        if (WalkedWord* walk = OpenWalk(evidence.Walked, word)) ++walk->misfires;
    }
    evidence.Misfires.push_back(std::move(misfire));
}

void Game::NoteReached(const std::string& word) {
    if (WalkedWord* walk = OpenWalk(state_.Evidence.Walked, word)) walk->end = WalkEnd::Reached;
}

void Game::EndAnswer() {
    state_.Evidence.AnswerStartMs = -1;
    state_.Evidence.AnswerCorrections = 0;
}

}  // namespace lexo
