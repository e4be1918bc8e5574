#include "script_libraries.h"

#include <dlfcn.h>

#include <array>

namespace lexo {
namespace {

// The installed libraries' sonames, so that no development package is needed to run.
constexpr std::array kSonames = {"libfreetype.so.6", "libharfbuzz.so.0", "libfontconfig.so.1",
                                 "libfribidi.so.0"};

}  // namespace

std::shared_ptr<const ScriptLibraries> ScriptLibraries::Open(std::string& error) {
    std::array<void*, kSonames.size()> modules{};
    auto closeAll = [&] {
        for (void* module : modules) {
            if (module != nullptr) dlclose(module);
        }
    };
    for (size_t i = 0; i < kSonames.size(); ++i) {
        modules[i] = dlopen(kSonames[i], RTLD_NOW | RTLD_LOCAL);
        if (modules[i] == nullptr) {
            error = std::string("cannot open ") + kSonames[i];
            closeAll();
            return nullptr;
        }
    }
    auto libraries = std::make_shared<ScriptLibraries>();
    // Each entry is looked for in every module: its own is the only one that has it.
    auto find = [&](const char* name) -> void* {
        for (void* module : modules) {
            if (void* found = dlsym(module, name)) return found;
        }
        error = std::string("no entry ") + name;
        return nullptr;
    };
    bool complete = true;
#define LEXO_SCRIPT_FIND(entry)                                            \
    libraries->entry = reinterpret_cast<decltype(&::entry)>(find(#entry)); \
    complete = complete && libraries->entry != nullptr;
    LEXO_SCRIPT_ENTRIES(LEXO_SCRIPT_FIND)
#undef LEXO_SCRIPT_FIND
    if (!complete) {
        closeAll();
        return nullptr;
    }
    return libraries;
}

}  // namespace lexo
