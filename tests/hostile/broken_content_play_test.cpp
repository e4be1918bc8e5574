// The real zarnik with the real engine under Xvfb, in a game folder whose background is
// truncated, whose fonts are garbage and whose shot sound is broken: the game starts, shows the
// dictionary dialog, plays a whole game to its end, starts the next one and closes normally,
// with no error box on the way.

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

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
    ASSERT_TRUE(game.Start(desktop.DisplayName()));
    const auto main = desktop.WaitForWindow("Lexodrome");
    ASSERT_TRUE(main) << game.Stderr();

    auto dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Key("Down");
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog)) << game.Stderr();

    // Nobody types: the first monster to arrive ends the game, and its word is listed.
    const auto list = desktop.WaitForWindow(kList, 90s);
    ASSERT_TRUE(list) << game.Stderr();
    // The field shows no background, the engine could not read it: black but for the player
    // and the monsters.
    const auto frame = game.PrintScreen([&] { desktop.NudgePointer(*main); });
    ASSERT_TRUE(frame) << game.Stderr();
    const auto picture = test::ReadBmp(*frame);
    ASSERT_TRUE(picture);
    EXPECT_GT(picture->Count(0), picture->width * picture->height * 3 / 4);
    desktop.Close(*list);

    dialog = desktop.WaitForWindow(kDialog);
    ASSERT_TRUE(dialog) << game.Stderr();
    desktop.Activate(*dialog);
    desktop.Key("Return");
    ASSERT_TRUE(desktop.WaitUntilGone(kDialog)) << game.Stderr();
    std::this_thread::sleep_for(3s);
    EXPECT_TRUE(game.Running()) << game.Stderr();

    desktop.Close(*main);
    EXPECT_EQ(game.WaitForExit(), 0) << game.Stderr();
    EXPECT_EQ(game.Stderr().find("zarnik:"), std::string::npos) << game.Stderr();
}

}  // namespace
}  // namespace lexo::hostile
