// A .mon file of any bytes, read by the game's catalogue loader through an engine table over the
// engine's own drawing code; then a short game with that catalogue: spawning, walking,
// animation, a shot and its corpse, collision, game over and restart, and frames drawn.
//
// What the loader stores, or the message it stops with, must be what the file's lines say.

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core_engine_table.h"
#include "errors/run_time_error.h"
#include "fake_windows.h"
#include "fuzz_check.h"
#include "game/game.h"
#include "text/str_to_int.h"
#include "text/text_lines.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kMonPath = "data/kind.mon";

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    LEXO_FUZZ_CHECK(file.good());
}

// A game folder of the target's own as the working directory: a catalogue of two kinds that
// both read kind.mon, and one small dictionary.
void MakeGameFolder() {
    char folder[] = "/tmp/lexo-mon-fuzz-XXXXXX";
    LEXO_FUZZ_CHECK(mkdtemp(folder) != nullptr);
    static const fs::path root = folder;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    });
    fs::create_directories(root / "data");
    fs::create_directories(root / "dict");
    WriteFile(root / "monsters.txt", "kind\r\nkind\r\n");
    WriteFile(root / "dict" / "about.txt", "dict\r\n");
    WriteFile(root / "dict" / "names.txt", "alpha\r\nbeta\r\ngamma\r\n");
    WriteFile(root / "dict" / "names2.txt", "one\r\ntwo  three\r\n");
    fs::current_path(root);
}

// The catalogue the file describes: both kinds alike, or the fields up to the first bad number
// of kind 1 and nothing of kind 2, with the message that stops the loading.
struct Expectation {
    lexo::SpriteCatalogue sprites;
    std::optional<std::string> error;
};

Expectation Expect(const std::string& file) {
    std::vector<std::string> lines;
    lexo::ForEachLine(file, lexo::LineEnds::CrLfOrLf,
                      [&](std::string_view line) { lines.emplace_back(line); });
    auto line = [&](size_t i) { return i < lines.size() ? lines[i] : std::string(); };

    Expectation expected;
    expected.sprites.AliveSprites.resize(2);
    expected.sprites.DeadSprites.resize(2);
    for (size_t sheet = 0; sheet < 2 && !expected.error; ++sheet) {
        lexo::SpriteSpec& expectedSheet =
            sheet == 0 ? expected.sprites.AliveSprites[1] : expected.sprites.DeadSprites[1];
        // The engine reads the path up to its first NUL.
        const std::string image = "data/" + line(6 * sheet);
        expectedSheet.Texture = static_cast<lexo::EngineHandle>(std::strlen(image.c_str()) % 3);
        int32_t* fields[] = {&expectedSheet.FrameWidth, &expectedSheet.FrameHeight,
                             &expectedSheet.SheetColumns, &expectedSheet.SheetRows,
                             &expectedSheet.FrameCount};
        for (size_t i = 0; i < 5; ++i) {
            const std::string text = line(6 * sheet + 1 + i);
            std::optional<int32_t> value = lexo::TryStrToInt(text);
            if (!value) {
                // The message is a C string: a NUL in the line ends it there.
                const std::string message = "'" + text + "' is not a valid integer value";
                expected.error = message.c_str();
                break;
            }
            *fields[i] = *value;
        }
    }
    if (!expected.error) {
        expected.sprites.AliveSprites.push_back(expected.sprites.AliveSprites[1]);
        expected.sprites.DeadSprites.push_back(expected.sprites.DeadSprites[1]);
    }
    return expected;
}

// Every handler that reads the catalogue, with monsters on the player and far from it.
void Play(lexo::Game& game, lexo::GameState& state) {
    for (int i = 0; i < 6; ++i) game.SpawnMonster();
    state.LiveMonsters.Append(1, 400, 200, "delta", "four");
    state.LiveMonsters.Append(2, -7, 300, "epsilon", "five");
    for (int tick = 0; tick < 3; ++tick) {
        game.TimerMoveTimer();
        game.TimerAnimatTimer();
        game.DrawFrame();
    }
    game.CheckAnswer("delta");
    for (int tick = 0; tick < 3; ++tick) {
        game.TimerDethAnimatTimer();
        game.TimerGameTimer();
    }
    game.DrawFrame();
    game.GameTimer();
    game.DrawFrame();
    // The death animation, the untranslated words, the dialog and a new game.
    for (int tick = 0; tick < 8; ++tick) game.TimerGameTimer();
    game.SpawnMonster();
    game.DrawFrame();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MakeGameFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    WriteFile(kMonPath, file);

    lexo::GameState state;
    lexo::testing::FakeWindows windows;
    lexo::Game game(state, lexo::fuzz::CoreEngineEntries(), windows);
    state.Random.seed(7);
    state.GameMode = lexo::kModeWords;
    state.DictionaryDir = "dict";
    // The dictionary dialog after the game over chooses the same folder again.
    windows.choice = lexo::DictionaryChoice{"dict", lexo::kModeWords, 40};

    game.LoadAssets();
    std::optional<std::string> error;
    try {
        game.LoadMonsterKinds();
    } catch (const lexo::RunTimeError& failure) {
        error = failure.what();
    }
    const Expectation expected = Expect(file);
    LEXO_FUZZ_CHECK(error == expected.error);
    LEXO_FUZZ_CHECK(state.Sprites.AliveSprites == expected.sprites.AliveSprites);
    LEXO_FUZZ_CHECK(state.Sprites.DeadSprites == expected.sprites.DeadSprites);

    game.LoadChosenDictionary();
    LEXO_FUZZ_CHECK(state.WordList.Count() == 3);
    Play(game, state);
    return 0;
}
