#include "loaded_engine.h"

#include <dlfcn.h>

namespace lexo::test {
namespace {

template <typename Fn>
void Bind(void* library, const char* name, Fn& entry, std::string& error) {
    entry = reinterpret_cast<Fn>(dlsym(library, name));
    if (entry == nullptr)
        error += std::string(error.empty() ? "missing entries:" : "") + " " + name;
}

}  // namespace

LoadedEngine::LoadedEngine(const std::string& path) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        error_ = "cannot open " + path + ": " + (reason != nullptr ? reason : "unknown");
        return;
    }
    Bind(library, "DLL_ver", DLL_ver, error_);
    Bind(library, "PrintScreen", PrintScreen, error_);
#define LEXO_TEST_BIND_ENTRY(name) Bind(library, #name, name, error_);
    LEXO_GAME_ENTRIES(LEXO_TEST_BIND_ENTRY)
#undef LEXO_TEST_BIND_ENTRY
#define LEXO_TEST_BIND_OPTIONAL(name) name = reinterpret_cast<name##Fn>(dlsym(library, #name));
    LEXO_OPTIONAL_ENTRIES(LEXO_TEST_BIND_OPTIONAL)
#undef LEXO_TEST_BIND_OPTIONAL
}

}  // namespace lexo::test
