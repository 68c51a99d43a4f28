#pragma once

#include <cstdio>
#include <cstdlib>

// A property that does not hold ends the run as a crash would, so that the
// fuzzer keeps the input and the replay fails on it.
#define FUZZ_CHECK(condition) fuzzCheck((condition), #condition, __FILE__, __LINE__)

inline void fuzzCheck(bool holds, const char* property, const char* file, int line)
{
    if (holds)
        return;
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, property);
    std::abort();
}
