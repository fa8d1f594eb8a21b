#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken property: says which, and aborts so that libFuzzer (or the corpus replay) reports the input.
#define FUZZ_CHECK(condition, what)                                                                               \
    do {                                                                                                          \
        if (!(condition)) {                                                                                       \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", std::string(what).c_str(), __FILE__, __LINE__); \
            std::abort();                                                                                         \
        }                                                                                                         \
    } while (false)
