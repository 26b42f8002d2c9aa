// Checks that report and count failures, so one run shows everything that is wrong.
#pragma once
#include <cstdio>
#include <cstring>

inline int failures = 0;

#define CHECK(cond)                                                              \
    do {                                                                         \
        if (!(cond)) {                                                           \
            std::printf("FAILED %s:%d: %s\n", __FILE__, __LINE__, #cond);        \
            failures++;                                                          \
        }                                                                        \
    } while (0)

#define CHECK_TEXT(got, want)                                                                  \
    do {                                                                                       \
        if (std::strcmp((got), (want)) != 0) {                                                 \
            std::printf("FAILED %s:%d: \"%s\", expected \"%s\"\n", __FILE__, __LINE__, (got), (want)); \
            failures++;                                                                        \
        }                                                                                      \
    } while (0)
