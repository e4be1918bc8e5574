// Runs under a file name given as its argument, writes a line and ends its own process through
// FreeEngineLibrary. The exit status and its output show whether anything ran after that.
#include <cstdio>

#include "binding/engine_library.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::printf("before\n");
    lexo::EngineLibrary library;
    library.FreeEngineLibrary(argv[1]);
    std::printf("after\n");
    return 3;
}
