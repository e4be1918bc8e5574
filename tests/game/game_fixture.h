#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fake_engine.h"
#include "fake_windows.h"
#include "game/game.h"
#include "temp_dir.h"
#include "text/cp1251.h"
#include "working_directory.h"

namespace lexo::testing {

// A fresh temporary folder, with a data/ folder, as the working directory for one test; the
// game reads its content files relative to it.
class TemporaryWorkingDirectory {
  public:
    TemporaryWorkingDirectory() : inside_(dir_.Path()) {
        std::filesystem::create_directories(dir_.File("data"));
    }

    // Writes a file (bytes as given) relative to the working directory.
    void Write(const std::string& name, const std::string& content) const {
        const std::filesystem::path path = std::filesystem::path(dir_.Path()) / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }

  private:
    test::TempDir dir_;
    test::ScopedWorkingDirectory inside_;
};

// A game with a recording engine, plain windows and a two-kind catalogue:
// kind 1 walks on a 50 x 60 sheet of 4 frames and dies on a 70 x 40 sheet of 3 frames;
// kind 2 walks on a 64 x 64 sheet of 6 frames (3 x 2 cells) and dies on a 64 x 80 sheet of 5.
class GameTest : public ::testing::Test {
  protected:
    GameTest() : game(state, engine.Entries(), windows) {
        state.Sprites.AliveSprites = {{}, {101, 50, 60, 4, 4, 1}, {201, 64, 64, 6, 3, 2}};
        state.Sprites.DeadSprites = {{}, {102, 70, 40, 3, 3, 1}, {202, 64, 80, 5, 5, 1}};
        state.Assets = {1, 2, 3, 4, 5, 6, 7};
        state.Random.seed(12345);
    }

    void AddMonster(int32_t kind, int32_t x, int32_t y, const std::string& word,
                    const std::string& translation = "") {
        state.LiveMonsters.Append(kind, x, y, word, translation);
    }

    void SetDictionary(const std::string& words, const std::string& translations) {
        state.WordList.SetText(words);
        state.TranslationList.SetText(translations);
    }

    RecordingEngine engine;
    FakeWindows windows;
    GameState state;
    Game game;
};

}  // namespace lexo::testing
