#pragma once
// Failure reporting for the fuzz targets: a broken property aborts, which libFuzzer records as a
// crash with its input and the corpus driver reports as a failed test.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, text)                                                                \
    do                                                                                             \
    {                                                                                              \
        if (!(condition))                                                                          \
        {                                                                                          \
            std::fprintf(stderr, "%s:%d: %s: %s\n", __FILE__, __LINE__, #condition, text);         \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
