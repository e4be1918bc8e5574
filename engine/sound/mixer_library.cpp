#include "mixer_library.h"

#include <dlfcn.h>

namespace lexo {

std::shared_ptr<const MixerLibrary> MixerLibrary::Open(const std::string& name) {
    void* module = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) return nullptr;
    auto library = std::make_shared<MixerLibrary>();
    bool complete = true;
#define LEXO_MIXER_FIND(entry)                                                    \
    library->entry = reinterpret_cast<decltype(&::entry)>(dlsym(module, #entry)); \
    complete = complete && library->entry != nullptr;
    LEXO_MIXER_ENTRIES(LEXO_MIXER_FIND)
#undef LEXO_MIXER_FIND
    if (!complete) {
        // Not SDL2_mixer as the engine knows it; nothing of it is used.
        dlclose(module);
        return nullptr;
    }
    return library;
}

}  // namespace lexo
