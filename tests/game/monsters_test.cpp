#include <map>
#include <set>

#include "game_fixture.h"

namespace lexo::testing {
namespace {

class Monsters : public GameTest {};

TEST_F(Monsters, SpawnsInsideTheSixZonesWithBothEndsReached) {
    std::set<int32_t> xs, ys;
    int kind2 = 0;
    const int spawns = 6000;
    for (int i = 0; i < spawns; ++i) {
        SetDictionary("w" + std::to_string(i), "t");
        game.SpawnMonster();
    }
    ASSERT_EQ(state.LiveMonsters.Count(), static_cast<size_t>(spawns));
    for (size_t row = 0; row < state.LiveMonsters.Count(); ++row) {
        const int32_t x = state.LiveMonsters.X[row];
        const int32_t y = state.LiveMonsters.Y[row];
        const bool inZone = (x == -7 && y >= 2 && y <= 510) || (x == 807 && y >= 2 && y <= 510) ||
                            (x >= 220 && x <= 235 && y >= -32 && y <= -17) ||
                            (x >= 800 && x <= 815 && y >= 311 && y <= 530) ||
                            (x >= -32 && x <= -17 && y >= -32 && y <= -17) ||
                            (x >= 600 && x <= 819 && y >= -32 && y <= -17);
        EXPECT_TRUE(inZone) << x << "," << y;
        xs.insert(x);
        ys.insert(y);
        kind2 += state.LiveMonsters.Kind[row] == 2;
        EXPECT_EQ(state.LiveMonsters.Frame[row], 1);
    }
    for (int32_t end : {-32, -17, 220, 235, 600, 819}) EXPECT_TRUE(xs.count(end)) << end;
    for (int32_t end : {-32, -17, 2, 510, 530}) EXPECT_TRUE(ys.count(end)) << end;
    // 70 % kind 2: far outside chance for a fair 0..99 draw either way.
    EXPECT_NEAR(kind2, spawns * 0.7, spawns * 0.05);
}

TEST_F(Monsters, CarriesTheWordAndTheTranslationOfTheSameLine) {
    SetDictionary("cat\ndog\nfish", "кот  кошка\nсобака\nрыба");
    for (int i = 0; i < 50; ++i) game.SpawnMonster();
    ASSERT_EQ(state.LiveMonsters.Count(), 3u);
    for (size_t row = 0; row < 3; ++row) {
        const std::string word = state.LiveMonsters.Word[row];
        const std::string translation = state.LiveMonsters.Translation[row];
        EXPECT_EQ(translation, word == "cat" ? "кот  кошка" : word == "dog" ? "собака" : "рыба");
    }
}

TEST_F(Monsters, AWordOnTheFieldIsNotSpawnedAgain) {
    SetDictionary("only", "единственный");
    for (int i = 0; i < 20; ++i) game.SpawnMonster();
    EXPECT_EQ(state.LiveMonsters.Count(), 1u);
    // Uniqueness is exact bytes: another case is another word.
    SetDictionary("Only", "x");
    game.SpawnMonster();
    EXPECT_EQ(state.LiveMonsters.Count(), 2u);
}

TEST_F(Monsters, NoWordsMeanNoMonsterAndTheCatalogueGivesTheKinds) {
    game.SpawnMonster();
    EXPECT_EQ(state.LiveMonsters.Count(), 0u);

    SetDictionary("a\nb\nc\nd\ne\nf\ng\nh", "");
    state.Sprites.AliveSprites.resize(2);  // a catalogue of kind 1 only
    state.Sprites.DeadSprites.resize(2);
    for (int i = 0; i < 200; ++i) game.SpawnMonster();
    ASSERT_GT(state.LiveMonsters.Count(), 0u);
    for (int32_t kind : state.LiveMonsters.Kind) EXPECT_EQ(kind, 1);
    // Translations missing for every word: each monster carries an empty one.
    for (const std::string& translation : state.LiveMonsters.Translation)
        EXPECT_EQ(translation, "");

    // Five kinds: kind 1 stays the rare one, and every other kind comes as well.
    std::string words;
    for (int i = 0; i < 3000; ++i) words += "w" + std::to_string(i) + "\n";
    SetDictionary(words, "");
    state.LiveMonsters = {};
    state.Sprites.AliveSprites.resize(6);
    state.Sprites.DeadSprites.resize(6);
    for (int i = 0; i < 3000; ++i) game.SpawnMonster();
    std::map<int32_t, int> kinds;
    for (int32_t kind : state.LiveMonsters.Kind) ++kinds[kind];
    EXPECT_EQ(kinds.size(), 5u);
    EXPECT_NEAR(kinds[1], state.LiveMonsters.Count() * 0.3, state.LiveMonsters.Count() * 0.06);
    for (int32_t kind = 2; kind <= 5; ++kind) EXPECT_GT(kinds[kind], 200) << kind;
}

TEST_F(Monsters, WalkOnePixelPerAxisTowardThePlayerThenStop) {
    AddMonster(1, -7, 200, "straight");
    AddMonster(1, 807, 2, "diagonal");
    AddMonster(1, 400, 200, "arrived");
    for (int i = 0; i < 198; ++i) game.TimerMoveTimer();
    EXPECT_EQ(state.LiveMonsters.X[0], 191);
    EXPECT_EQ(state.LiveMonsters.Y[0], 200);
    EXPECT_EQ(state.LiveMonsters.X[1], 609);
    EXPECT_EQ(state.LiveMonsters.Y[1], 200);
    for (int i = 0; i < 300; ++i) game.TimerMoveTimer();
    for (size_t row = 0; row < 3; ++row) {
        EXPECT_EQ(state.LiveMonsters.X[row], 400);
        EXPECT_EQ(state.LiveMonsters.Y[row], 200);
    }
}

TEST_F(Monsters, WalkingFramesLoopAndDyingFramesHold) {
    AddMonster(1, 0, 0, "a");
    for (int tick = 0; tick < 4; ++tick) game.TimerAnimatTimer();
    EXPECT_EQ(state.LiveMonsters.Frame[0], 1);  // 2, 3, 4, back to 1
    game.TimerAnimatTimer();
    EXPECT_EQ(state.LiveMonsters.Frame[0], 2);

    state.Corpses.Append(1, 0, 0);
    for (int tick = 0; tick < 10; ++tick) game.TimerDethAnimatTimer();
    EXPECT_EQ(state.Corpses.Frame[0], 3);
}

TEST_F(Monsters, FrameCountOfOneOrLessKeepsFrameOne) {
    state.Sprites.AliveSprites[1].FrameCount = 1;
    state.Sprites.AliveSprites[2].FrameCount = -3;
    state.Sprites.DeadSprites[1].FrameCount = 1;
    state.Sprites.DeadSprites[2].FrameCount = 0;
    AddMonster(1, 0, 0, "a");
    AddMonster(2, 0, 0, "b");
    state.Corpses.Append(1, 0, 0);
    state.Corpses.Append(2, 0, 0);
    for (int tick = 0; tick < 3; ++tick) {
        game.TimerAnimatTimer();
        game.TimerDethAnimatTimer();
    }
    EXPECT_EQ(state.LiveMonsters.Frame, (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(state.Corpses.Frame, (std::vector<int32_t>{1, 1}));
}

}  // namespace
}  // namespace lexo::testing
