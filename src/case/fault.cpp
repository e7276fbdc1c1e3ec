// SPDX-License-Identifier: Apache-2.0
#include "case/fault.h"

#include <utility>

namespace korvanex {

FloatingPointFault::FloatingPointFault(std::string routine, std::string step)
    : std::runtime_error("floating-point fault in " + routine + " (" + step + ")"),
      routine_(std::move(routine)), step_(std::move(step)) {}

void FaultCheck::fail(const char* step) const {
    throw FloatingPointFault(routine_, step);
}

} // namespace korvanex
