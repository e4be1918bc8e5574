#include "game_fixture.h"

namespace lexo::testing {
namespace {

using Calls = std::vector<std::string>;

class Drawing : public GameTest {
  protected:
    Calls Frame() {
        engine.calls.clear();
        game.DrawFrame();
        return engine.calls;
    }
};

TEST_F(Drawing, EmptyFieldIsTheBackgroundAndTheStandingPlayer) {
    EXPECT_EQ(Frame(), (Calls{"Begin2D()", "DrawTexture2D_Simple(1,0,0,800,512,0,0)",
                              "DrawSprite2D_Simple(2,400,200,78,84,3,1,1,0,0)", "End2D()"}));
}

TEST_F(Drawing, CorpsesThenPlayerThenEachMonsterWithItsWord) {
    state.Corpses.Append(1, 500, 120);
    state.Corpses.Append(2, 10, 20);
    state.Corpses.Frame[1] = 4;
    AddMonster(2, 400, 90, "cat");
    AddMonster(1, 401, -30, "");
    state.LiveMonsters.Frame[1] = 3;
    state.PlayerFrame = 2;
    state.PlayerFacing = true;
    EXPECT_EQ(Frame(), (Calls{
                           "Begin2D()",
                           "DrawTexture2D_Simple(1,0,0,800,512,0,0)",
                           "DrawSprite2D_Simple(102,500,120,70,40,3,1,1,0,0)",
                           "DrawSprite2D_Simple(202,10,20,64,80,5,1,4,0,0)",
                           "DrawSprite2D_Simple(2,400,200,78,84,3,1,2,1,0)",
                           "DrawSprite2D_Simple(201,400,90,64,64,3,2,1,0,0)",
                           "DrawText2D(4,400,70,cat,16711680,255,1)",
                           "DrawSprite2D_Simple(101,401,-30,50,60,4,1,3,1,0)",
                           "DrawText2D(4,401,-50,,16711680,255,1)",
                           "End2D()",
                       }));
}

TEST_F(Drawing, GameOverHidesWordsShowsTheDeadPlayerAndTheBanner) {
    AddMonster(2, 700, 300, "cat");
    state.GameOver = true;
    state.PlayerFacing = true;
    state.PlayerFrame = 5;
    const Calls calls = Frame();
    EXPECT_EQ(calls, (Calls{
                         "Begin2D()",
                         "DrawTexture2D_Simple(1,0,0,800,512,0,0)",
                         "DrawSprite2D_Simple(3,400,200,78,84,7,1,5,0,0)",
                         "DrawSprite2D_Simple(201,700,300,64,64,3,2,1,1,0)",
                         "DrawText2D(5,145,200," + Utf8ToCp1251("ИГРА ОКОНЧЕНА!") + ",255,255,1)",
                         "End2D()",
                     }));
}

TEST_F(Drawing, WordsGoThroughTheUtf8EntryWhenTheEngineHasItOtherwiseAsNearCp1251) {
    const std::string huge(3 << 20, 'w');
    struct Case {
        std::string word;
        bool utf8Entry;
        std::string drawn;
    };
    const std::vector<Case> cases = {
        {"Schlüssel", false, "DrawText2D(4,400,70,Schluessel,16711680,255,1)"},
        {"Straße", false, "DrawText2D(4,400,70,Strasse,16711680,255,1)"},
        {"ёж", false, "DrawText2D(4,400,70," + Utf8ToCp1251("ёж") + ",16711680,255,1)"},
        {"日本", false, "DrawText2D(4,400,70,??,16711680,255,1)"},
        // Only what can show of a huge word goes to the engine.
        {huge, false, "DrawText2D(4,400,70," + huge.substr(0, 1600) + ",16711680,255,1)"},
        {"Schlüssel", true, "DrawText2D_UTF8(4,400,70,Schlüssel,16711680,255,1)"},
        {"καλημέρα", true, "DrawText2D_UTF8(4,400,70,καλημέρα,16711680,255,1)"},
        {huge, true, "DrawText2D_UTF8(4,400,70," + huge.substr(0, 1600) + ",16711680,255,1)"},
    };
    // The cases without the entry come first: the table keeps an entry once it has one.
    for (const Case& test : cases) {
        if (test.utf8Entry) engine.AddUtf8TextEntry();
        state.LiveMonsters = LiveMonsterTable();
        AddMonster(2, 400, 90, test.word);
        Frame();
        EXPECT_EQ(engine.CallsStartingWith("DrawText2D"), Calls{test.drawn})
            << test.word.substr(0, 20) << (test.utf8Entry ? " through the UTF-8 entry" : "");
    }
}

TEST_F(Drawing, TheBannerIsTheOneTheWindowsGive) {
    GameTexts texts;
    texts.banner = "GAME OVER!";
    game.UseTexts(texts);
    state.GameOver = true;
    EXPECT_EQ(Frame().at(3), "DrawText2D(5,145,200,GAME OVER!,255,255,1)");
}

TEST_F(Drawing, ARowOfAKindOutsideTheCatalogueIsNotDrawn) {
    AddMonster(3, 10, 10, "ghost");
    state.Corpses.Append(0, 10, 10);
    EXPECT_EQ(Frame().size(), 4u);
}

}  // namespace
}  // namespace lexo::testing
