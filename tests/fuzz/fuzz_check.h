#pragma once

#include <cstdio>
#include <cstdlib>

// A property of a fuzz target that must hold for every input: when it does not, the process
// aborts, which both libFuzzer and the replay driver report as a fault.
#define LEXO_FUZZ_CHECK(condition)                                                             \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
