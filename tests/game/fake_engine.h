#pragma once

#include <map>
#include <string>
#include <vector>

#include "contract/engine_entries.h"

namespace lexo::testing {

// An engine table whose 20 game entries record every call as text, e.g.
// "DrawSprite2D_Simple(3,400,200,78,84,3,1,1,0,0)". Loads hand out handles counting up from 1
// per path, so a test can ask which handle a file got. One instance at a time.
class RecordingEngine {
  public:
    RecordingEngine();
    ~RecordingEngine();

    const EngineEntries& Entries() const { return entries_; }

    // Gives the table the optional entry for UTF-8 text, as a newer library has it.
    void AddUtf8TextEntry();
    // Adds the entry for words in any script.
    void AddShapedTextEntry();
    // Gives the table the optional speech entries.
    void AddSpeechEntries();

    std::vector<std::string> calls;
    std::map<std::string, EngineHandle> handles;  // path -> handle

    // The procedures the game registered, by kind.
    std::map<int32_t, EngineProcedure> procedures;

    // Calls whose text starts with prefix.
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
    EngineHandle HandleOf(const std::string& path) const;

    static RecordingEngine* current;

  private:
    EngineEntries entries_;
};

}  // namespace lexo::testing
