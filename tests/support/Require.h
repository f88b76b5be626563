#pragma once

#include <cstdlib>

namespace fuzzing {

// A broken rule ends the run at once, so that the fuzzer keeps the input that broke it.
inline void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace fuzzing
