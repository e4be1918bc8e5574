// Two hundred games, each ended by a monster reaching the player and followed by the restart,
// must leave nothing behind: no memory that nothing points to (LeakSanitizer, in the sanitizer
// build) and no memory that keeps growing from game to game (every build).

#include <malloc.h>

#include "game_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
// The sanitizer runtime's count of the bytes allocated and not yet freed; g++ ships no header
// that declares it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace lexo::testing {
namespace {

size_t AllocatedBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

class ManyGames : public GameTest {
  protected:
    ManyGames() {
        folder.Write("monsters.txt", "goblin\r\nslime\r\n");
        folder.Write("data/goblin.mon", "g.bmp\n50\n60\n4\n1\n4\ngd.bmp\n70\n40\n3\n1\n3\n");
        folder.Write("data/slime.mon", "s.bmp\n64\n64\n3\n2\n6\nsd.bmp\n64\n80\n5\n1\n5\n");
        folder.Write("words/names.txt", "cat\r\ndog\r\nbird\r\nfish\r\nmouse\r\n");
        folder.Write("words/names2.txt", Utf8ToCp1251("кот\r\nпёс  собака\r\nптица\r\nрыба\r\n"));
        windows.choice = DictionaryChoice{"words", kModeWords, 1};
    }

    // Monsters come and walk, one is shot, the others reach the player; the death animation,
    // the untranslated words and the dialog follow, and the next game starts.
    void PlayOneGame() {
        const int dialogs = windows.dictionaryDialogs;
        for (int tick = 0; windows.dictionaryDialogs == dialogs; ++tick) {
            ASSERT_LT(tick, 5000) << "the game did not end";
            if (tick % 100 == 0) game.SpawnMonster();
            if (tick == 150 && state.LiveMonsters.Count() > 0) {
                windows.editText = state.LiveMonsters.Word[0];
                game.Edit1KeyUp(Game::kEnterKey);
                shots += state.WordsComplete;
            }
            if (!state.GameOver) game.TimerMoveTimer();
            if (tick % 3 == 0) {
                game.TimerAnimatTimer();
                game.TimerDethAnimatTimer();
                game.TimerGameTimer();
            }
            game.GameTimer();
            if (tick % 16 == 0) game.ApplicationEvents1Idle();
        }
        // The fakes keep what they were asked, by design; that is not the game's memory.
        engine.calls.clear();
        windows.editHistory.clear();
        windows.shownUntranslated.clear();
    }

    TemporaryWorkingDirectory folder;
    int shots = 0;
};

TEST_F(ManyGames, TwoHundredGamesLeaveNothingBehind) {
    ASSERT_EQ(game.FormShow([] { return true; }), Game::StartUp::Running);
    for (int i = 0; i < 20; ++i) PlayOneGame();
    const size_t settled = AllocatedBytes();
    for (int i = 20; i < 200; ++i) PlayOneGame();
    EXPECT_EQ(windows.dictionaryDialogs, 1 + 200);
    EXPECT_GT(shots, 0);
    // Memory in use after 20 games and after 200 is the same, give or take what one game's
    // tables hold.
    EXPECT_LT(AllocatedBytes(), settled + 16 * 1024);
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0) << "memory leaked: see the report above";
#endif
}

}  // namespace
}  // namespace lexo::testing
