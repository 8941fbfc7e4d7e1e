// What a fuzz target asserts beyond "no crash": a failed check prints what
// broke and aborts, which libFuzzer and the corpus replay both report.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, what)                                                   \
    do {                                                                              \
        if (!(condition)) {                                                           \
            std::fprintf(stderr, "fuzz check failed: %s (%s)\n", what, #condition);  \
            std::abort();                                                             \
        }                                                                             \
    } while (0)
