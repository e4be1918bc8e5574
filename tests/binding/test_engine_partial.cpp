// A stand-in engine of version 1 exporting only three of the entry names, each returning its
// own name.
#include <cstdint>

extern "C" uint8_t DLL_ver() { return 1; }
extern "C" const char* RegProcedure() { return "RegProcedure"; }
extern "C" const char* EngineMainDraw() { return "EngineMainDraw"; }
extern "C" const char* PrintScreen() { return "PrintScreen"; }
