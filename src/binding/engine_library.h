#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "contract/engine_entries.h"

namespace lexo {

// Caption of every message box of the binding.
inline constexpr const char* kBindingCaption = "DGLEngine header";

// The engine library loaded by name at run time: its module handle and its bound entries.
// Messages go through ShowMessageBox with the caption "DGLEngine header".
class EngineLibrary {
  public:
    // Loads the library (a path without a slash is taken from the working directory), checks
    // that it exports DLL_ver and, when DLL_ver returns 1 or more, binds all 198 entries.
    // True when the library was loaded and exports DLL_ver.
    bool LoadEngineLibrary(const std::string& path);

    // Terminates every process whose executable file is named exeName (the game's own process
    // among them: that ends the game with exit code 0), then unloads the library. An empty
    // exeName terminates nothing. After a successful unload the handle keeps its value and the
    // entries keep theirs, but none may be called; when unloading fails the handle becomes null.
    void FreeEngineLibrary(const std::string& exeName);

    const EngineEntries& Entries() const { return entries_; }
    void* ModuleHandle() const { return module_; }

    // The names of the entries the game calls that are not bound, in LEXO_GAME_ENTRIES order.
    std::vector<std::string> MissingGameEntries() const;

  private:
    void BindEngineEntries();

    void* module_ = nullptr;
    // How many loads returned module_ and are not yet unloaded. dlclose of a handle that is no
    // longer open would touch freed loader state, so with none left unloading fails instead.
    int openCount_ = 0;
    EngineEntries entries_;
};

}  // namespace lexo
