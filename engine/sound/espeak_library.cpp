#include "espeak_library.h"

#include <dlfcn.h>

namespace lexo {

std::shared_ptr<const EspeakLibrary> EspeakLibrary::Open(const std::string& name) {
    void* module = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) return nullptr;
    auto library = std::make_shared<EspeakLibrary>();
    bool complete = true;
#define LEXO_ESPEAK_FIND(entry)                                                   \
    library->entry = reinterpret_cast<decltype(&::entry)>(dlsym(module, #entry)); \
    complete = complete && library->entry != nullptr;
    LEXO_ESPEAK_ENTRIES(LEXO_ESPEAK_FIND)
#undef LEXO_ESPEAK_FIND
    if (!complete) {
        dlclose(module);
        return nullptr;
    }
    // Without DONT_EXIT a missing voice data folder would end the whole process.
    library->sampleRate = library->espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                                     espeakINITIALIZE_DONT_EXIT);
    if (library->sampleRate <= 0) return nullptr;
    return library;
}

}  // namespace lexo
