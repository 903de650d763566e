#pragma once
// A property of a reader that must hold for every input: when it fails, the input is a fault.

#include <cstdio>
#include <cstdlib>

inline void require(bool holds, const char* property)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}
