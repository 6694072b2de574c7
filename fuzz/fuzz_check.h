#pragma once

#include <cstdio>
#include <cstdlib>

// A violated invariant: say which one, then abort so that libFuzzer saves the input.
#define NIMBREL_FUZZ_CHECK(condition)                                                                          \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: invariant violated: %s\n", __FILE__, __LINE__, #condition), std::abort()))
