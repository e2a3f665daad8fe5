// A check that stops the fuzzer (and the corpus replay) on the first broken
// property, naming it, so the offending input is kept as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>

// `detail` (a C string) says what the program answered, e.g. its message.
#define FUZZ_CHECK_WHY(condition, detail)                                                          \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s (%s)\n", __FILE__, __LINE__, #condition, \
                         (detail));                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

#define FUZZ_CHECK(condition) FUZZ_CHECK_WHY(condition, "")
