// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdio>
#include <cstdlib>

namespace korvanex::fuzz {

// Ends the run when a property of the code under test does not hold: libFuzzer keeps the input as a
// crash and prints the message above the stack trace.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property violated: %s\n", property);
        std::abort();
    }
}

} // namespace korvanex::fuzz
