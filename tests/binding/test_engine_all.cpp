// A stand-in engine exporting every entry name. Each entry returns its own name, so a test can
// tell which symbol an entry was bound to. LEXO_TEST_DLL_VERSION, when defined, is what DLL_ver
// returns; without it the library has no DLL_ver.
#include <cstdint>

#include "contract/engine_entries.h"

#define LEXO_NAMED_ENTRY(name) \
    extern "C" const char* name() { return #name; }
LEXO_ENGINE_ENTRIES(LEXO_NAMED_ENTRY, LEXO_NAMED_ENTRY)
#undef LEXO_NAMED_ENTRY

#ifdef LEXO_TEST_DLL_VERSION
extern "C" uint8_t DLL_ver() { return LEXO_TEST_DLL_VERSION; }
#endif
