#pragma once

#include <string>
#include <vector>

#include "temp_dir.h"

// A game folder of broken content, and the game logic with the real engine playing in it.
namespace lexo::hostile {

// A fresh game folder in a temporary directory: links to the shipped content (monsters.txt and
// data/), and one small dictionary "words". Files are replaced before the game starts.
class GameFolder {
  public:
    GameFolder();

    const std::string& Path() const { return root_; }
    // Replaces a file of the folder (a link to the shipped one, or nothing) with these bytes.
    void Replace(const std::string& relativePath, const std::string& bytes);
    void ReplaceWithFixture(const std::string& relativePath, const std::string& fixture);
    void Remove(const std::string& relativePath);
    // Copies a dictionary folder of the corpus (dictionaries/<name>) into the game folder.
    void AddFixtureDictionary(const std::string& name);

  private:
    test::TempDir dir_;
    std::string root_;
};

// What a session showed.
struct SessionReport {
    std::vector<std::string> messages;  // every message box, "caption: text" in UTF-8
    int kinds = 0;                      // monster kinds in the catalogue
    int words = 0;                      // words of the first dictionary loaded
    int spawned = 0;                    // monsters that came onto the field
    int shots = 0;                      // monsters shot
    int gamesOver = 0;                  // games that ended with the untranslated-words list
    bool backgroundShown = false;       // the field's top-left corner is not black

    std::string Serialise() const;
    static SessionReport Parse(const std::string& text);
};

// Starts the game in the folder with the real engine (no window, sound to nowhere), chooses
// `dictionary` in the first dialog and "words" in every later one, and plays `seconds` of game
// time at the fastest speed: monsters come, some are shot by typing their words, the rest reach
// the player; every timer and frame runs as in the game. Every handler runs under the error
// guard, as the windows run them. Changes the working directory: run it in a child process.
SessionReport PlaySession(const std::string& folder, const std::string& dictionary, int seconds);

}  // namespace lexo::hostile
