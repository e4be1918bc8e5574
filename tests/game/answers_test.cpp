#include "game_fixture.h"
#include "text/latin_reading.h"
#include "text/unicode_text.h"

namespace lexo::testing {
namespace {

class Answers : public GameTest {
  protected:
    void Type(const std::string& utf8) {
        windows.editText = utf8;
        game.Edit1KeyUp(Game::kEnterKey);
    }
};

TEST_F(Answers, ModeDecidesWhichColumnIsMatched) {
    AddMonster(2, 100, 150, "apple", "яблоко");
    state.GameMode = kModeNone;
    Type("apple");
    Type("яблоко");
    EXPECT_EQ(state.LiveMonsters.Count(), 1u);

    state.GameMode = kModeWords;
    Type("яблоко");
    EXPECT_EQ(state.LiveMonsters.Count(), 1u);
    Type("apple");
    EXPECT_EQ(state.LiveMonsters.Count(), 0u);

    AddMonster(2, 100, 150, "apple", "яблоко");
    state.GameMode = kModeTranslations;
    Type("apple");
    EXPECT_EQ(state.LiveMonsters.Count(), 1u);
    Type("ЯБЛОКО");
    EXPECT_EQ(state.LiveMonsters.Count(), 0u);
}

TEST_F(Answers, AHitShootsTheFirstMatchingRowOnly) {
    state.GameMode = kModeWords;
    AddMonster(1, 10, 20, "cat");
    AddMonster(2, 500, 100, "catalogue");
    AddMonster(2, 600, 100, "dog");
    Type("cat");
    ASSERT_EQ(state.LiveMonsters.Count(), 2u);
    EXPECT_EQ(state.LiveMonsters.Word[0], "catalogue");
    EXPECT_EQ(state.LiveMonsters.Word[1], "dog");
    EXPECT_EQ(state.Corpses.Count(), 1u);
}

TEST_F(Answers, AHitCountsTheAnswerScoresItsLengthAndShowsBoth) {
    state.GameMode = kModeTranslations;
    AddMonster(2, 10, 20, "cat", "кот  кошка");
    AddMonster(2, 30, 20, "fish", "рыба");
    Type("кош");  // a part of the second alternative
    EXPECT_EQ(windows.caption, "Lexodrome. Words complete: 1. Score:3.");
    Type("р");
    EXPECT_EQ(windows.caption, "Lexodrome. Words complete: 2. Score:4.");
    EXPECT_EQ(state.WordsComplete, 2);
    EXPECT_EQ(state.Score, 4);
    EXPECT_EQ(engine.CallsStartingWith("PlaySample"),
              (std::vector<std::string>{"PlaySample(6)", "PlaySample(6)"}));
    EXPECT_TRUE(state.PlayerAnimating);
}

// The windows give the caption in the player's language; its numbers may come in any order.
TEST_F(Answers, TheCaptionFollowsThePatternTheWindowsGive) {
    GameTexts texts;
    texts.scoreCaption = "Lexodrome: %2 / %1 (100%, %3)";
    game.UseTexts(texts);
    state.GameMode = kModeWords;
    AddMonster(2, 10, 20, "cat");
    Type("cat");
    EXPECT_EQ(windows.caption, "Lexodrome: 3 / 1 (100%, %3)");
}

TEST_F(Answers, AMissChangesNothingButTheAnswerLine) {
    state.GameMode = kModeWords;
    AddMonster(2, 10, 20, "cat");
    Type("dog");
    Type("");
    EXPECT_EQ(state.LiveMonsters.Count(), 1u);
    EXPECT_EQ(state.WordsComplete, 0);
    EXPECT_EQ(windows.caption, "Lexodrome");
    EXPECT_FALSE(state.PlayerAnimating);
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(windows.editText, "");
    EXPECT_EQ(windows.editFocused, 2);
}

TEST_F(Answers, OnlyEnterAnswers) {
    state.GameMode = kModeWords;
    AddMonster(2, 10, 20, "cat");
    windows.editText = "cat";
    game.Edit1KeyUp('A');
    game.Edit1KeyUp(32);
    EXPECT_EQ(state.LiveMonsters.Count(), 1u);
    EXPECT_EQ(windows.editText, "cat");
}

// A word is hit as it is shown: capitals and "ё" count as their small and dotless letters on
// both sides, in both modes; the score counts what was typed.
TEST_F(Answers, CapitalsAndYoMatchTheWordAsShown) {
    state.GameMode = kModeTranslations;
    AddMonster(2, 10, 20, "hedgehog", "ёж");
    AddMonster(2, 30, 20, "tree", "Елка");
    AddMonster(2, 50, 20, "haus", "дом");
    Type("ёлка");
    EXPECT_EQ(windows.editHistory.front(), "елка") << "the line shows е for ё";
    EXPECT_EQ(state.LiveMonsters.Word[1], "haus");
    Type("ЕЖ");  // Caps Lock on
    EXPECT_EQ(state.LiveMonsters.Word[0], "haus");
    EXPECT_EQ(state.Score, 6);

    state.GameMode = kModeWords;
    state.LiveMonsters.Word[0] = "Haus";
    Type("Haus");
    EXPECT_EQ(state.LiveMonsters.Count(), 0u);
    EXPECT_EQ(state.Score, 10);
}

// Any language: case folded, marks ignored on both sides, "й" a letter of its own; the score
// counts characters, not bytes.
TEST_F(Answers, UnicodeAnswersFoldCaseAndIgnoreMarks) {
    struct Case {
        const char* typed;
        const char* word;
        bool hits;
    };
    const Case cases[] = {
        {"strasse", "Straße", true},
        {"STRASSE", "Straße", true},
        {"cafe", "café", true},
        {"CAFÉ", "café", true},
        {"madchen", "Mädchen", true},
        {"MÄDCHEN", "madchen", true},
        {"ЕЖ", "ёж", true},
        {"καλημερα", "καλημέρα", true},
        {"ΚΑΛΗΜΈΡΑ", "καλημέρα", true},
        {"иод", "йод", false},
        {"йод", "иод", false},
        {"й", "йод", true},
        {"cafe\xCC\x81", "café", true},
        {"zolw", "żółw", true},
        {"сцена", "сцена", true},
        {"strasse", "Strasze", false},
        {"\xCC\x81", "café", false},
        {"la soeur", "la sœur", true},
        {"ENCYCLOPAEDIA", "encyclopædia", true},
        {"l'œuf", "l'oeuf", true},
        {"der Kaese", "der Käse", true},
        {"der Käse", "der Kaese", true},
        {"Kaese", "Kase", false},
        {"ＡＢＣ", "abc", true},
        {"ｶﾀｶﾅ", "カタカナ", true},
        {"かたかな", "カタカナ", true},
        {"كتاب", "كِتَاب", true},
        {"كتاب", "كتـــاب", true},
        {"שלום", "שָׁלוֹם", true},
    };
    state.GameMode = kModeWords;
    for (const Case& test : cases) {
        state.LiveMonsters = LiveMonsterTable();
        state.Score = 0;
        AddMonster(2, 10, 20, test.word);
        Type(test.typed);
        EXPECT_EQ(state.LiveMonsters.Count(), test.hits ? 0u : 1u)
            << test.typed << " against " << test.word;
        const size_t characters = CharacterCount(test.typed);
        EXPECT_EQ(state.Score, test.hits ? static_cast<int32_t>(characters) : 0) << test.typed;
    }
}

// In a script a player may have no keyboard for, the word's Latin reading hits it too: whole
// or in part, syllables joined or spaced.
TEST_F(Answers, ALatinReadingHitsAWordInAnotherScript) {
    const struct {
        const char* word;
        const char* given;  // a readings.txt line
        const char* typed;
        bool hits;
    } kCases[] = {
        {"学校", "", "xuexiao", true},
        {"学校", "", "xue xiao", true},
        {"学校", "", "xiao", true},
        {"学校", "", "gakkou", false},
        {"学校", "gakkō", "gakko", true},
        {"学校", "gakkō", "xuexiao", false},
        {"がっこう", "", "gakkou", true},
        {"がっこう", "", "gakko", true},
        {"ラーメン", "", "ramen", true},
        {"학교", "", "haggyo", true},
        {"학교", "", "hakgyo", true},
        {"ქართული", "", "kartuli", true},
        {"мама", "", "mama", false},
        {"مرحبا", "", "marhaba", false},
        {"مرحبا", "márḥaban  ahlan", "marhaban", true},
        {"私", "watashi  watakushi", "watakushi", true},
    };
    state.GameMode = kModeWords;
    LatinReader reader;
    for (const auto& c : kCases) {
        state.LiveMonsters = LiveMonsterTable();
        state.LiveMonsters.Append(2, 10, 20, c.word, "", reader.Readings(c.word, c.given));
        Type(c.typed);
        EXPECT_EQ(state.LiveMonsters.Count(), c.hits ? 0u : 1u) << c.typed << " against " << c.word;
    }
}

// A whole alternative typed shoots its monster even when an older one contains the text; among
// several, the oldest. Only when none is whole does a part hit.
TEST_F(Answers, AWholeAlternativeComesBeforeAPart) {
    state.GameMode = kModeTranslations;
    AddMonster(2, 10, 20, "when", "когда");
    AddMonster(2, 10, 20, "family", "семья");
    AddMonster(2, 10, 20, "yes", "да  ага");
    AddMonster(2, 10, 20, "seven", "семь");
    AddMonster(2, 10, 20, "yeah", "ДА");
    Type("да");
    Type("семь");
    ASSERT_EQ(state.LiveMonsters.Count(), 3u);
    EXPECT_EQ(state.LiveMonsters.Word, (std::vector<std::string>{"when", "family", "yeah"}));
    Type("сем");
    EXPECT_EQ(state.LiveMonsters.Word, (std::vector<std::string>{"when", "yeah"}));
}

// A word is synthesised when its monster comes and spoken when it is shot: its first
// alternative, at most a short phrase, in the words' voice; never without a voice or entries.
TEST_F(Answers, TheShotWordIsPreparedOnArrivalAndSpokenAtTheShot) {
    const std::string longWord = "eins zwei drei vier fünf sechs sieben acht";
    const struct {
        std::string voice;
        bool entries;
        std::string word;
        std::string spoken;  // "" for nothing
    } kCases[] = {
        {"de", true, "der Schlüssel  das Schloss", "der Schlüssel"},
        {"de", true, longWord, "eins zwei drei vier fünf sechs"},
        {"", true, "der Schlüssel", ""},
        {"de", false, "der Schlüssel", ""},
    };
    for (const auto& c : kCases) {
        RecordingEngine speaking;
        if (c.entries) speaking.AddSpeechEntries();
        GameState fresh;
        fresh.Sprites = state.Sprites;
        fresh.Assets = state.Assets;
        fresh.GameMode = kModeTranslations;
        fresh.WordsVoice = c.voice;
        fresh.WordList.SetText(c.word);
        fresh.TranslationList.SetText("ключ");
        Game shooting(fresh, speaking.Entries(), windows);
        shooting.SpawnMonster();
        windows.editText = "ключ";
        shooting.Edit1KeyUp(Game::kEnterKey);
        EXPECT_EQ(fresh.WordsComplete, 1) << c.word;
        const std::vector<std::string> expected =
            c.spoken.empty() ? std::vector<std::string>{}
                             : std::vector<std::string>{"PrepareSpeech(de," + c.spoken + ")",
                                                        "Speak(de," + c.spoken + ")"};
        std::vector<std::string> calls = speaking.CallsStartingWith("PrepareSpeech");
        for (const std::string& call : speaking.CallsStartingWith("Speak")) calls.push_back(call);
        EXPECT_EQ(calls, expected) << c.word;
    }
}

TEST_F(Answers, TheCorpseKeepsTheBottomEdgeAndThePlayerFacesTheShot) {
    state.GameMode = kModeWords;
    AddMonster(1, 399, 100, "left");
    AddMonster(2, 400, 100, "right");
    Type("left");
    EXPECT_FALSE(state.PlayerFacing);
    Type("right");
    EXPECT_TRUE(state.PlayerFacing);
    // Kind 1: 60 high walking, 40 dying; kind 2: 64 walking, 80 dying (the corpse rises).
    EXPECT_EQ(state.Corpses.Kind, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(state.Corpses.X, (std::vector<int32_t>{399, 400}));
    EXPECT_EQ(state.Corpses.Y, (std::vector<int32_t>{120, 84}));
    EXPECT_EQ(state.Corpses.Frame, (std::vector<int32_t>{1, 1}));
    EXPECT_TRUE(windows.timers[TimerId::TimerDethAnimat].enabled);
}

}  // namespace
}  // namespace lexo::testing
