#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include "bmp_image.h"
#include "desktop.h"
#include "game_process.h"
#include "history/history_reader.h"

namespace lexo::e2e {
namespace {

const std::string kDialog = "Выберите словарь:";
const std::string kList = "Список непереведённых слов:";
constexpr int kPanelWidth = 802;
constexpr int kPanelHeight = 511;

bool IsBannerRed(uint32_t rgb) {
    return (rgb >> 16) > 180 && ((rgb >> 8) & 0xFF) < 80 && (rgb & 0xFF) < 80;
}

// One player's session: two games on two one-word dictionaries, so that the word on the field
// is always known. Without music, the sound file is silent except for the game's own samples.
class PlayThrough : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(desktop.Ready()) << desktop.Error();
        game.RemoveShippedDictionaries();
        game.RemoveFile("data/music.mp3");
        game.AddDictionary("a-cats", "Кошки\nОдно слово.", "cat", "кот  кошка");
        game.AddDictionary("b-dogs", "Собаки\nОдно слово.", "dog", "собака");
    }

    // Answers into the edit line as a player does: type, then Enter.
    void Answer(const std::string& utf8) {
        desktop.Type(utf8);
        desktop.Key("Return");
    }

    // The engine's next frame, as a picture.
    std::optional<test::RgbImage> Frame(Window main) {
        auto path = game.PrintScreen([&] { desktop.NudgePointer(main); });
        return path ? test::ReadBmp(*path) : std::nullopt;
    }

    // Waits until the field differs from the empty one: a monster has come in.
    bool WaitForMonster(Window main, const test::RgbImage& emptyField) {
        return PollUntil(30s, [&] {
            auto frame = Frame(main);
            return frame && frame->pixels != emptyField.pixels;
        });
    }

    // Waits until the sound file holds a non-silent sample from `from` on.
    bool WaitForSound(size_t from) {
        return PollUntil(10s, [&] { return game.SoundIsHeard(from, game.SoundBytes()); });
    }

    void SetLanguages(const std::string& dictionary, const std::string& languages) {
        std::ofstream(game.Folder() + "/" + dictionary + "/languages.txt") << languages << "\r\n";
    }

    // Whether sound goes on after the shot sample (0.3 s) that starts at the first sound from
    // `beforeShot` on: the shot word, spoken from the shot on, lasts longer.
    bool SpokenAfterShot(size_t beforeShot) {
        constexpr size_t kBytesPerSecond = 44100 * 2 * 2;
        std::optional<size_t> shot;
        EXPECT_TRUE(PollUntil(10s, [&] {
            return (shot = game.FirstSound(beforeShot)).has_value();
        })) << "the shot was not heard";
        if (!shot) return false;
        const size_t end = *shot + kBytesPerSecond;
        EXPECT_TRUE(PollUntil(10s, [&] { return game.SoundBytes() >= end; }));
        return game.SoundIsHeard(*shot + kBytesPerSecond * 4 / 10, end);
    }

    // The panel as the X server shows it and the engine's last frame agree around the edges,
    // where no dialog covers the field.
    test::RgbImage ExpectPanelShowsTheEngineFrame(Window main) {
        auto path = game.PrintScreen([&] { desktop.NudgePointer(main); });
        EXPECT_TRUE(path) << game.Stderr();
        auto frame = path ? test::ReadBmp(*path) : std::nullopt;
        if (!frame) return {};
        EXPECT_EQ(frame->width, kPanelWidth);
        EXPECT_EQ(frame->height, kPanelHeight);
        const test::RgbImage screen = desktop.Grab(main);
        for (int y : {5, 25, 490, 505}) {
            for (int x : {5, 60, 120, 720, 760, 795}) {
                EXPECT_EQ(screen.At(x, y), frame->At(x, y)) << "at " << x << "," << y;
            }
        }
        return *frame;
    }

    // Starts the game and waits for its window and the dictionary dialog.
    void StartToTheDialog() {
        ASSERT_TRUE(game.Start(desktop.DisplayName()));
        main = desktop.WaitForWindow("Lexodrome");
        dialog = desktop.WaitForWindow(kDialog);
        ASSERT_TRUE(main && dialog) << game.Stderr();
        // The field before any monster: the background and the player.
        emptyField = Frame(*main);
        ASSERT_TRUE(emptyField) << game.Stderr();
    }

    // a-cats, b-dogs and the test's own: the third, typing words, until its monster comes.
    void StartTheThirdTypingWords() {
        ASSERT_NO_FATAL_FAILURE(StartToTheDialog());
        desktop.Activate(*dialog);
        for (int i = 0; i < 3; ++i) desktop.Key("Down");
        for (int i = 0; i < 3; ++i) desktop.Key("Tab");
        desktop.Key("Up");  // "Ввод слов"
        desktop.Key("Return");
        ASSERT_TRUE(desktop.WaitUntilGone(kDialog));
        desktop.Activate(*main);
        ASSERT_TRUE(WaitForMonster(*main, *emptyField)) << game.Stderr();
    }

    Desktop desktop;
    GameProcess game;
    std::optional<Window> main;
    std::optional<Window> dialog;
    std::optional<test::RgbImage> emptyField;
};

TEST_F(PlayThrough, TwoGamesInBothModesWithSoundListAndRestart) {
    // The cats name their languages, but speech is switched off from outside.
    SetLanguages("a-cats", "en ru");
    game.SetEnvironment("LEXODROME_SPEECH", "off");
    ASSERT_NO_FATAL_FAILURE(StartToTheDialog());

    // First game: the cats, typing translations (the dialog's default mode), default speed.
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog));
    desktop.Activate(*main);
    ASSERT_TRUE(WaitForMonster(*main, *emptyField)) << game.Stderr();

    Answer("собака");
    EXPECT_EQ(desktop.Title(*main), "Lexodrome");
    const size_t beforeShot = game.SoundBytes();
    EXPECT_FALSE(game.SoundIsHeard(0, beforeShot)) << "no sound before the first shot";
    Answer("кошка");
    EXPECT_TRUE(desktop.WaitForTitle(*main, "Lexodrome. Words complete: 1. Score:5."))
        << desktop.Title(*main);
    EXPECT_FALSE(SpokenAfterShot(beforeShot)) << "LEXODROME_SPEECH=off still spoke";
    const size_t afterShot = game.SoundBytes();

    // Nobody answers the next cat: it reaches the player.
    auto list = desktop.WaitForWindow(kList, 60s);
    ASSERT_TRUE(list) << game.Stderr();
    EXPECT_TRUE(WaitForSound(afterShot + 44100)) << "no death sound";
    const test::RgbImage over = ExpectPanelShowsTheEngineFrame(*main);
    int red = 0;
    for (int y = 200; y < 260 && y < over.height; ++y) {
        for (int x = 145; x < 640 && x < over.width; ++x) red += IsBannerRed(over.At(x, y));
    }
    EXPECT_GT(red, 500) << "no game-over banner";

    EXPECT_EQ(desktop.CopyText(*list), "cat - кот, кошка");
    desktop.Close(*list);

    // Second game: the dogs, typing words.
    dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Tab");
    desktop.Key("Tab");
    desktop.Key("Tab");
    desktop.Key("Up");  // "Ввод слов"
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog));
    // The caption keeps the last game's count until the first shot of the new one.
    EXPECT_EQ(desktop.Title(*main), "Lexodrome. Words complete: 1. Score:5.");
    desktop.Activate(*main);
    ASSERT_TRUE(WaitForMonster(*main, *emptyField)) << game.Stderr();
    Answer("cat");
    EXPECT_EQ(desktop.Title(*main), "Lexodrome. Words complete: 1. Score:5.");
    Answer("dog");
    EXPECT_TRUE(desktop.WaitForTitle(*main, "Lexodrome. Words complete: 1. Score:3."))
        << desktop.Title(*main);

    // The next dog reaches the player. Cat and dog, both missed, are as sure as ever today:
    // with both games three days ago, they are due.
    list = desktop.WaitForWindow(kList, 60s);
    ASSERT_TRUE(list) << game.Stderr();
    game.MoveHistoryBack(3);
    desktop.Close(*list);
    dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Click(*dialog, 40, 6);  // the list's top entry: the review, above a-cats and b-dogs
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog));
    desktop.Activate(*main);
    ASSERT_TRUE(WaitForMonster(*main, *emptyField)) << game.Stderr();
    // The first monster brings one of the two; the other answer shoots nothing. (The caption
    // still shows the last game's count, the same: the history below tells.)
    Answer("cat");
    Answer("dog");
    list = desktop.WaitForWindow(kList, 60s);
    ASSERT_TRUE(list) << game.Stderr();
    desktop.Close(*list);
    // One more game, ended by closing the window. Both words reviewed today, the review is gone
    // and its choice with it: the first dictionary is chosen anew.
    dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog));
    desktop.Close(*main);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Stderr();

    // The three finished games are in the learner's history; the review's hit counts for the
    // word in its own dictionary.
    const std::vector<std::string> history = game.HistoryLines();
    ASSERT_EQ(history.size(), 3u) << game.Stderr();
    EXPECT_NE(history[0].find(R"("dictionary":"a-cats","mode":"translations","pace":40,)"
                              R"("words_complete":1,"score":5,"shot":["cat"],)"
                              R"("missed":[{"word":"cat","translation":"кот  кошка"}],)"),
              std::string::npos)
        << history[0];
    // Each walk's evidence: the first cat shot after an answer that hit nothing, the next one
    // reached the player.
    const History read = ReadHistory(history[0]);
    ASSERT_EQ(read.games.size(), 1u) << history[0];
    const HistoryGame& first = read.games[0];
    ASSERT_TRUE(first.walksKept) << history[0];
    ASSERT_EQ(first.walks.size(), 2u) << history[0];
    const WordWalk& shot = first.walks[0];
    EXPECT_EQ(shot.end, WalkEnd::Shot) << history[0];
    EXPECT_LT(shot.appeared, shot.shot) << history[0];
    EXPECT_GT(shot.typing, 0) << history[0];
    EXPECT_EQ(shot.misfires, 1) << history[0];
    EXPECT_EQ(first.walks[1].end, WalkEnd::Reached) << history[0];
    EXPECT_NE(history[1].find(R"("dictionary":"b-dogs","mode":"words")"), std::string::npos)
        << history[1];
    const bool catShot =
        history[2].find(R"("shot":[{"word":"cat","dictionary":"a-cats"}])") != std::string::npos;
    const bool dogShot =
        history[2].find(R"("shot":[{"word":"dog","dictionary":"b-dogs"}])") != std::string::npos;
    EXPECT_TRUE(catShot != dogShot) << history[2];
    EXPECT_NE(history[2].find(R"("dictionary":"Повторение","mode":"words")"), std::string::npos)
        << history[2];
}

// A German dictionary saved as UTF-8 by a text editor: its word is shown and answered as it is
// spelled, and also typed without the umlaut.
TEST_F(PlayThrough, AUtf8DictionaryIsAnsweredWithAndWithoutItsMarks) {
    game.AddDictionary("c-deutsch", "Deutsch\nEin Wort.", "der Schlüssel", "ключ",
                       GameProcess::Encoding::Utf8);
    SetLanguages("c-deutsch", "de ru");
    ASSERT_NO_FATAL_FAILURE(StartTheThirdTypingWords());
    const size_t beforeShot = game.SoundBytes();
    Answer("der Schlüssel");
    // The score counts the 13 characters typed, not their 14 bytes.
    EXPECT_TRUE(desktop.WaitForTitle(*main, "Lexodrome. Words complete: 1. Score:13."))
        << desktop.Title(*main);
    // The dictionary names its languages: the shot word is spoken after the shot sound.
    EXPECT_TRUE(SpokenAfterShot(beforeShot)) << game.Stderr();
    // The next monster brings the same word; until it is on the field a miss changes nothing.
    const std::string second = "Lexodrome. Words complete: 2. Score:26.";
    EXPECT_TRUE(PollUntil(40s, [&] {
        Answer("DER SCHLUSSEL");
        return desktop.WaitForTitle(*main, second, 1s);
    })) << desktop.Title(*main);

    auto list = desktop.WaitForWindow(kList, 60s);
    ASSERT_TRUE(list) << game.Stderr();
    EXPECT_EQ(desktop.CopyText(*list), "der Schlüssel - ключ");
    // The game is in the history before its list is shown.
    const std::vector<std::string> history = game.HistoryLines();
    ASSERT_EQ(history.size(), 1u) << game.Stderr();
    EXPECT_NE(history[0].find(R"("shot":["der Schlüssel","der Schlüssel"])"), std::string::npos)
        << history[0];
}

// A Chinese word is shot by its pinyin typed on a Latin keyboard, made when the dictionary is
// loaded; the history keeps the word as written.
TEST_F(PlayThrough, AChineseWordIsShotByItsPinyin) {
    game.AddDictionary("c-hanzi", "Китайский\nОдно слово.", "学校", "школа",
                       GameProcess::Encoding::Utf8);
    ASSERT_NO_FATAL_FAILURE(StartTheThirdTypingWords());
    Answer("xue xiao");
    EXPECT_TRUE(desktop.WaitForTitle(*main, "Lexodrome. Words complete: 1. Score:8."))
        << desktop.Title(*main);
    EXPECT_TRUE(PollUntil(40s, [&] {
        Answer("xuexiao");
        return desktop.WaitForTitle(*main, "Lexodrome. Words complete: 2. Score:15.", 1s);
    })) << desktop.Title(*main);
    ASSERT_TRUE(desktop.WaitForWindow(kList, 60s)) << game.Stderr();
    const std::vector<std::string> history = game.HistoryLines();
    ASSERT_EQ(history.size(), 1u) << game.Stderr();
    EXPECT_NE(history[0].find(R"("shot":["学校","学校"])"), std::string::npos) << history[0];
}

// The words a game left on the field come back as a dictionary of their own, written by
// lexodrome-dict review from a history whose game was three days ago.
TEST_F(PlayThrough, AReviewDictionaryOfMissedWordsIsPlayed) {
    const std::time_t threeDaysAgo = std::time(nullptr) - 3 * 24 * 3600;
    std::tm local{};
    localtime_r(&threeDaysAgo, &local);
    char day[16];
    std::strftime(day, sizeof day, "%Y-%m-%d", &local);
    const std::string history = game.Folder() + "/old-history.jsonl";
    std::ofstream(history) << R"({"time":")" << day << R"(T12:00:00+00:00","dictionary":"c-mice",)"
                           << R"("mode":"words","pace":40,"words_complete":0,"score":0,"shot":[],)"
                           << R"("missed":[{"word":"mouse","translation":"мышь  мышка"}]})"
                           << "\n";
    const std::string review = game.Folder() + "/lexodrome-dict review --history " + history +
                               " --out " + game.Folder() + "/review";
    ASSERT_EQ(std::system(review.c_str()), 0) << review;

    ASSERT_NO_FATAL_FAILURE(StartToTheDialog());
    // a-cats, b-dogs, review: the third, typing translations; only the review has the mouse.
    desktop.Activate(*dialog);
    for (int i = 0; i < 3; ++i) desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog));
    desktop.Activate(*main);
    ASSERT_TRUE(WaitForMonster(*main, *emptyField)) << game.Stderr();
    const size_t beforeShot = game.SoundBytes();
    Answer("мышка");
    EXPECT_TRUE(desktop.WaitForTitle(*main, "Lexodrome. Words complete: 1. Score:5."))
        << desktop.Title(*main);
    // A dictionary without languages is silent but for the shot.
    EXPECT_FALSE(SpokenAfterShot(beforeShot));
    desktop.Close(*main);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Stderr();
}

}  // namespace
}  // namespace lexo::e2e
