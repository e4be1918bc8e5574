#pragma once

#include <string>

#include "contract/engine_api.h"
#include "contract/engine_entries.h"

namespace lexo::test {

// DGLEngine.so opened by its path with dlopen, the way tests and benchmarks drive the engine
// without the game: one member per entry, named as the library exports it, typed by
// contract/engine_api.h.
//
//   static LoadedEngine engine(LEXO_ENGINE_PATH);
//   ASSERT_TRUE(engine.Loaded()) << engine.Error();
//   engine.SetEngineInitParametrs(800, 512, 32, 0, 0, 0, 0, 1);
//
// The library stays loaded for the rest of the process: its state (frame, handles, audio
// device) is process-wide, and QuitEngine, not unloading, is how a test lets go of it.
class LoadedEngine {
  public:
    explicit LoadedEngine(const std::string& path);
    LoadedEngine(const LoadedEngine&) = delete;
    LoadedEngine& operator=(const LoadedEngine&) = delete;

    // True when the library opened and exports every entry below but the optional ones.
    bool Loaded() const { return error_.empty(); }
    const std::string& Error() const { return error_; }

    DLL_verFn DLL_ver = nullptr;
    PrintScreenFn PrintScreen = nullptr;
#define LEXO_TEST_ENGINE_ENTRY(name) name##Fn name = nullptr;
    LEXO_GAME_ENTRIES(LEXO_TEST_ENGINE_ENTRY)
    LEXO_OPTIONAL_ENTRIES(LEXO_TEST_ENGINE_ENTRY)  // null when the library lacks them
#undef LEXO_TEST_ENGINE_ENTRY

  private:
    std::string error_;
};

}  // namespace lexo::test
