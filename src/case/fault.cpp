// SPDX-License-Identifier: Apache-2.0
#include "case/fault.h"

#include <cmath>

namespace korvanex {

FloatingPointFault::FloatingPointFault(std::string routine, std::string step)
    : std::runtime_error("floating-point fault in " + routine + " (" + step + ")"),
      routine_(std::move(routine)), step_(std::move(step)) {}

std::string faultMessage(const FloatingPointFault& fault) {
    return "the computation stopped on a floating-point fault in " + fault.routine() + " (" + fault.step() +
           "): the inputs are degenerate. Check k, h1, E1, mu1, the tire pressure and the two-layer values.";
}

double FaultCheck::operator()(double value, const char* step) const {
    if (!std::isfinite(value)) {
        throw FloatingPointFault(routine_, step);
    }
    return value;
}

float FaultCheck::single(double value, const char* step) const {
    // Halfway between the largest float and 2^128: from here on, rounding to single overflows.
    constexpr double singleOverflow = 0x1.ffffffp127;
    if (std::fabs((*this)(value, step)) >= singleOverflow) {
        throw FloatingPointFault(routine_, step);
    }
    return static_cast<float>(value);
}

} // namespace korvanex
