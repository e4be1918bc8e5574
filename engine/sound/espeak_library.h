#pragma once

#include <espeak-ng/speak_lib.h>

#include <memory>
#include <string>

namespace lexo {

// The espeak-ng entries the engine uses, one list for the table and its lookup.
#define LEXO_ESPEAK_ENTRIES(X) \
    X(espeak_Initialize)       \
    X(espeak_SetSynthCallback) \
    X(espeak_SetVoiceByName)   \
    X(espeak_Synth)

// libespeak-ng opened at run time instead of linked, so that a machine without it still runs
// the game, silent. Once opened it stays loaded for the rest of the process.
struct EspeakLibrary {
    // The installed library's soname, so that no development package is needed to run.
    static constexpr const char* kSoname = "libespeak-ng.so.1";

    // Opens the library `name`, finds every entry and initialises it for synthesis into a
    // callback; null when any of that fails.
    static std::shared_ptr<const EspeakLibrary> Open(const std::string& name);

    int sampleRate = 0;  // of the 16-bit mono samples it synthesises

#define LEXO_ESPEAK_MEMBER(entry) decltype(&::entry) entry = nullptr;
    LEXO_ESPEAK_ENTRIES(LEXO_ESPEAK_MEMBER)
#undef LEXO_ESPEAK_MEMBER
};

}  // namespace lexo
