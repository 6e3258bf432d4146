#pragma once

#include <cstdlib>

// A broken promise of the reader under test stops the fuzzer with the input that broke it.
inline void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}
