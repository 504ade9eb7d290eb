// A broken property stops the fuzzer with the offending input saved.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(bedingung)                                                                      \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "property failed: %s\n", #bedingung);                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
