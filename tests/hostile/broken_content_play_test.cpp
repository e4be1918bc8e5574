// The real zarnik with the real engine under Xvfb, in a game folder whose background is
// truncated, whose fonts are garbage and whose shot sound is broken, and whose dictionaries
// hold a word of megabytes, a description of megabytes and no word at all: the game starts,
// shows the dictionary dialog, plays a whole game to its end and lists the huge word; the
// wordless dictionary is reported, and the player leaves the game from the dialog.

#include <gtest/gtest.h>

#include <filesystem>

#include "bmp_image.h"
#include "desktop.h"
#include "game_process.h"
#include "hostile_fixtures.h"

namespace lexo::hostile {
namespace {

using namespace std::chrono_literals;

const std::string kDialog = "Выберите словарь:";
const std::string kList = "Список непереведённых слов:";

TEST(BrokenContentPlay, TheGameStartsPlaysAGameToItsEndAndCloses) {
    e2e::Desktop desktop;
    ASSERT_TRUE(desktop.Ready()) << desktop.Error();
    e2e::GameProcess game;
    for (const auto& [file, fixture] :
         {std::pair{"data/fon.bmp", "bmp/truncated-pixels.bmp"},
          std::pair{"data/font.dft", "dft/garbage.dft"},
          std::pair{"data/font2.dft", "dft/header-start-then-garbage.dft"},
          std::pair{"data/fire.wav", "wav/riff-header-then-garbage.wav"}}) {
        std::filesystem::copy_file(Fixture(fixture), game.Folder() + "/" + file,
                                   std::filesystem::copy_options::overwrite_existing);
    }
    game.RemoveShippedDictionaries();
    const std::string hugeWord(3 << 20, 'w');
    game.AddDictionary("a-huge", "Huge\n" + std::string(10 << 20, 'd'), hugeWord, "x");
    game.AddDictionary("b-wordless", "Wordless", "\n\n\n", "x");
    ASSERT_TRUE(game.Start(desktop.DisplayName()));
    const auto main = desktop.WaitForWindow("Lexodrome");
    ASSERT_TRUE(main) << game.Stderr();

    auto dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog)) << game.Stderr();

    // Nobody types: the first monster to arrive ends the game, and its word is listed, cut.
    const auto list = desktop.WaitForWindow(kList, 90s);
    ASSERT_TRUE(list) << game.Stderr();
    // The field shows no background, the engine could not read it: black but for the player
    // and the monsters.
    const auto frame = game.PrintScreen([&] { desktop.NudgePointer(*main); });
    ASSERT_TRUE(frame) << game.Stderr();
    const auto picture = test::ReadBmp(*frame);
    ASSERT_TRUE(picture);
    EXPECT_GT(picture->Count(0), picture->width * picture->height * 3 / 4);
    const std::string listed = desktop.CopyText(*list);
    EXPECT_EQ(listed.substr(0, 100), hugeWord.substr(0, 100));
    EXPECT_LT(listed.size(), 2000u);
    EXPECT_TRUE(listed.ends_with("…"))
        << listed.substr(listed.size() - std::min<size_t>(listed.size(), 20));
    desktop.Close(*list);

    // The next game on the wordless dictionary: reported, and the dialog offers to leave.
    dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    const auto box = desktop.WaitForWindow("zarnik");
    ASSERT_TRUE(box) << game.Stderr();
    desktop.Activate(*box);
    desktop.Key("Return");
    dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Click(*dialog, 136, 196);  // "Выход", beside "ОК"
    EXPECT_EQ(game.WaitForExit(), 0) << game.Stderr();
    const std::string errors = game.Stderr();
    EXPECT_NE(errors.find("zarnik: В файле \"b-wordless/names.txt\" нет ни одного слова."),
              std::string::npos)
        << errors;
}

}  // namespace
}  // namespace lexo::hostile
