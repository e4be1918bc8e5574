#include <array>

#include "game/game.h"
#include "records/field_geometry.h"
#include "text/dictionary_languages.h"

namespace lexo {
namespace {

// Where monsters enter: x and y ranges, both ends included.
struct SpawnZone {
    int32_t xMin, xMax, yMin, yMax;
};
constexpr std::array<SpawnZone, 6> kSpawnZones = {{
    {-7, -7, 2, 510},      // left edge
    {807, 807, 2, 510},    // right edge
    {220, 235, -32, -17},  // above the top edge, left of centre
    {800, 815, 311, 530},  // right edge, lower part
    {-32, -17, -32, -17},  // above the top-left corner
    {600, 819, -32, -17},  // above the top edge, right part
}};

int32_t Uniform(std::mt19937& random, int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
}

// One pixel toward the target on one axis; a monster on the target stays.
int32_t StepToward(int32_t value, int32_t target) {
    if (value < target) ++value;
    if (value > target) --value;
    return value;
}

}  // namespace

void Game::SpawnMonster() {
    // Kind 1 is the rare monster, three in ten; the rest are kind 2 or, in a catalogue of
    // more kinds, any kind from 2 on, each as often as the others.
    int32_t kind = Uniform(state_.Random, 0, 99) < 70 ? 2 : 1;
    if (kind == 2 && state_.Sprites.KindCount() > 2) {
        kind = Uniform(state_.Random, 2, state_.Sprites.KindCount());
    }
    const SpawnZone& zone =
        kSpawnZones[Uniform(state_.Random, 0, static_cast<int32_t>(kSpawnZones.size()) - 1)];
    const int32_t x = Uniform(state_.Random, zone.xMin, zone.xMax);
    const int32_t y = Uniform(state_.Random, zone.yMin, zone.yMax);

    // A catalogue without this kind, or a dictionary without words, brings no monster.
    if (!state_.Sprites.HasKind(kind) || state_.WordList.Empty()) return;
    const size_t index =
        Uniform(state_.Random, 0, static_cast<int32_t>(state_.WordList.Count()) - 1);
    const std::string_view word = state_.WordList[index];

    for (const std::string& walking : state_.LiveMonsters.Word) {
        if (walking == word) return;
    }
    // A translation list shorter than the word list leaves the last words untranslated.
    const std::string_view translation =
        index < state_.TranslationList.Count() ? state_.TranslationList[index] : std::string_view();
    const auto readings = [index](const std::vector<std::string>& list) {
        return index < list.size() ? list[index] : std::string();
    };
    state_.LiveMonsters.Append(kind, x, y, std::string(word), std::string(translation),
                               readings(state_.WordReadings), readings(state_.TranslationReadings));
    NoteAppeared(std::string(word), std::string(translation));
    // Synthesised while the monster walks, the word is ready when it is shot.
    if (!state_.WordsVoice.empty() && engine_.PrepareSpeech != nullptr) {
        engine_.PrepareSpeech(state_.WordsVoice.c_str(), SpokenText(word).c_str());
    }
}

void Game::TimerMoveTimer() {
    LiveMonsterTable& monsters = state_.LiveMonsters;
    for (size_t row = 0; row < monsters.Count(); ++row) {
        monsters.X[row] = StepToward(monsters.X[row], kPlayerX);
        monsters.Y[row] = StepToward(monsters.Y[row], kPlayerY);
    }
}

void Game::TimerAnimatTimer() {
    LiveMonsterTable& monsters = state_.LiveMonsters;
    for (size_t row = 0; row < monsters.Count(); ++row) {
        int32_t frame = monsters.Frame[row] + 1;
        if (frame > state_.Sprites.Alive(monsters.Kind[row]).FrameCount) frame = 1;
        monsters.Frame[row] = frame;
    }
}

void Game::TimerDethAnimatTimer() {
    CorpseTable& corpses = state_.Corpses;
    for (size_t row = 0; row < corpses.Count(); ++row) {
        if (corpses.Frame[row] < state_.Sprites.Dead(corpses.Kind[row]).FrameCount) {
            ++corpses.Frame[row];
        }
    }
}

}  // namespace lexo
