#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "temp_dir.h"

namespace lexo::e2e {

using namespace std::chrono_literals;

// A fresh copy of the built game folder in a temporary directory, and the real zarnik started
// in it on the test's display. Sound goes to a file (SDL's disk audio driver); the engine writes
// its PrintScreen picture when asked with SIGUSR1.
class GameProcess {
  public:
    GameProcess();
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // The copied game folder, to change before Start().
    std::string Folder() const { return folder_; }
    void RemoveFile(const std::string& relativePath);
    void RemoveShippedDictionaries();
    // Adds a dictionary folder; the texts are UTF-8 and are written in CP1251 with CR LF ends,
    // or as a text editor saves them: UTF-8 with LF ends.
    enum class Encoding { Cp1251, Utf8 };
    void AddDictionary(const std::string& name, const std::string& about, const std::string& words,
                       const std::string& translations, Encoding encoding = Encoding::Cp1251);

    // The game starts in the classic C.UTF-8 locale, with no other language asked for; this
    // sets one more variable of its environment (LANG, LANGUAGE, a scale factor ...) for the next
    // start.
    void SetEnvironment(const std::string& name, const std::string& value);

    bool Start(const std::string& display);
    // Starts an installed launcher instead, as a player does, with home as HOME and the XDG
    // folders left to their defaults under it.
    bool StartLauncher(const std::string& display, const std::string& launcher,
                       const std::string& home);
    pid_t Pid() const { return pid_; }
    // The exit code once the process has ended, or nothing when it is still running after
    // timeout. A death by a signal is 128 + the signal.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout = 15s);
    bool Running();

    std::string Stderr() const;
    // The lines of the game's history file (its XDG_STATE_HOME is the test's own).
    std::vector<std::string> HistoryLines() const;
    // Writes the history anew, each game moved `days` days earlier, as one rename.
    void MoveHistoryBack(int days) const;
    // How many bytes of sound the audio device has been given so far.
    size_t SoundBytes() const;
    // Whether any non-zero sample lies in [from, to) of the sound file.
    bool SoundIsHeard(size_t from, size_t to) const;
    // Where the first non-zero sample from `from` on lies, when there is one yet.
    std::optional<size_t> FirstSound(size_t from) const;
    // Asks the engine for its next finished frame and waits for the picture file; wake is
    // called while waiting, to give a quiet game a reason to draw.
    std::optional<std::string> PrintScreen(const std::function<void()>& wake,
                                           std::chrono::milliseconds timeout = 5s);

  private:
    // Starts program in folder, with the display, sound and picture settings of the tests.
    bool Spawn(const std::string& display, const std::string& folder, const std::string& program,
               const std::string& home);

    test::TempDir dir_;
    std::string folder_;
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
    int printScreens_ = 0;
    std::map<std::string, std::string> environment_;
};

}  // namespace lexo::e2e
