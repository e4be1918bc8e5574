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
    const Calls calls = Frame();
    EXPECT_EQ(calls.at(1), "DrawTexture2D_Simple(1,0,0,800,512,0,0)");
    EXPECT_EQ(engine.CallsStartingWith("DrawSprite2D"),
              Calls{"DrawSprite2D_Simple(2,400,200,78,84,3,1,1,0,0)"});
    EXPECT_TRUE(engine.CallsStartingWith("DrawText2D").empty());
}

// The one frame compared call by call: the order of the layers.
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
    EXPECT_EQ(engine.CallsStartingWith("DrawSprite2D_Simple(3,"),
              Calls{"DrawSprite2D_Simple(3,400,200,78,84,7,1,5,0,0)"});
    EXPECT_TRUE(engine.CallsStartingWith("DrawSprite2D_Simple(2,").empty());
    EXPECT_EQ(engine.CallsStartingWith("DrawSprite2D_Simple(201,").size(), 1u);
    // The banner, drawn last, is the only text.
    EXPECT_EQ(engine.CallsStartingWith("DrawText2D"),
              Calls{"DrawText2D(5,145,200," + Utf8ToCp1251("ИГРА ОКОНЧЕНА!") + ",255,255,1)"});
    EXPECT_EQ(calls.at(calls.size() - 2), engine.CallsStartingWith("DrawText2D").at(0));
}

TEST_F(Drawing, WordsGoThroughTheWidestTextEntryTheEngineHasOtherwiseAsNearCp1251) {
    const std::string huge(3 << 20, 'w');
    enum Entry { Cp1251, Utf8, Shaped };
    struct Case {
        std::string word;
        Entry entry;
        std::string drawn;
    };
    const std::vector<Case> cases = {
        {"Schlüssel", Cp1251, "DrawText2D(4,400,70,Schluessel,16711680,255,1)"},
        {"Straße", Cp1251, "DrawText2D(4,400,70,Strasse,16711680,255,1)"},
        {"ёж", Cp1251, "DrawText2D(4,400,70," + Utf8ToCp1251("ёж") + ",16711680,255,1)"},
        {"日本", Cp1251, "DrawText2D(4,400,70,??,16711680,255,1)"},
        // Only what can show of a huge word goes to the engine.
        {huge, Cp1251, "DrawText2D(4,400,70," + huge.substr(0, 1600) + ",16711680,255,1)"},
        {"Schlüssel", Utf8, "DrawText2D_UTF8(4,400,70,Schlüssel,16711680,255,1)"},
        {"καλημέρα", Utf8, "DrawText2D_UTF8(4,400,70,καλημέρα,16711680,255,1)"},
        {huge, Utf8, "DrawText2D_UTF8(4,400,70," + huge.substr(0, 1600) + ",16711680,255,1)"},
        {"日本", Shaped, "DrawText2D_Shaped(4,400,70,日本,16711680,255,1)"},
        {"Schlüssel", Shaped, "DrawText2D_Shaped(4,400,70,Schlüssel,16711680,255,1)"},
        {huge, Shaped, "DrawText2D_Shaped(4,400,70," + huge.substr(0, 1600) + ",16711680,255,1)"},
    };
    // The cases of the older engines come first: the table keeps an entry once it has one.
    for (const Case& test : cases) {
        if (test.entry == Utf8) engine.AddUtf8TextEntry();
        if (test.entry == Shaped) engine.AddShapedTextEntry();
        state.LiveMonsters = LiveMonsterTable();
        AddMonster(2, 400, 90, test.word);
        Frame();
        EXPECT_EQ(engine.CallsStartingWith("DrawText2D"), Calls{test.drawn})
            << test.word.substr(0, 20) << " through entry " << test.entry;
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
