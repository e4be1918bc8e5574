// Writes a line and ends its own process through FreeEngineLibrary, given the name it runs
// under, or with "--deleted" after removing its own file, as a rebuild does to a running game,
// and then by the name it finds for itself. The exit status and its output show whether
// anything ran after that.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "binding/engine_library.h"
#include "process/process_list.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::string name = argv[1];
    if (name == "--deleted") {
        if (unlink(argv[0]) != 0) return 4;
        name = lexo::OwnExecutableName();
    }
    std::printf("before\n");
    lexo::EngineLibrary library;
    library.FreeEngineLibrary(name);
    std::printf("after\n");
    return 3;
}
