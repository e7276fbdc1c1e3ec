// SPDX-License-Identifier: Apache-2.0
#include "case/fault.h"

#include <utility>

namespace korvanex {

FloatingPointFault::FloatingPointFault(std::string routine, std::string step)
    : std::runtime_error("floating-point fault in " + routine + " (" + step + ")"),
      routine_(std::move(routine)), step_(std::move(step)) {}

std::string faultMessage(const FloatingPointFault& fault) {
    return "the computation stopped on a floating-point fault in " + fault.routine() + " (" + fault.step() +
           "): the inputs are degenerate. Check k, h1, E1, mu1, the tire pressure and the two-layer values.";
}

void FaultCheck::fail(const char* step) const {
    throw FloatingPointFault(routine_, step);
}

} // namespace korvanex
