// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace korvanex {

// A computation that hit an invalid operation, a division by zero or an overflow. The engine never
// lets NaN or infinity reach a result: the step that would have produced one throws this instead,
// naming the routine and the step, and the computation ends there.
class FloatingPointFault : public std::runtime_error {
  public:
    FloatingPointFault(std::string routine, std::string step);

    const std::string& routine() const { return routine_; }
    const std::string& step() const { return step_; }

  private:
    std::string routine_;
    std::string step_;
};

// What a front end tells the user when one case stops on a fault: "the computation stopped on a
// floating-point fault in ROUTINE (STEP): the inputs are degenerate. Check ...".
std::string faultMessage(const FloatingPointFault& fault);

// Checks the arithmetic steps of one routine. Each call takes a value just computed, names the
// step, and throws FloatingPointFault when the value is not finite.
class FaultCheck {
  public:
    explicit FaultCheck(const char* routine) : routine_(routine) {}

    // A value kept in double precision.
    double operator()(double value, const char* step) const {
        if (!std::isfinite(value)) {
            fail(step);
        }
        return value;
    }

    // A value stored in single precision: rounding may overflow even when the double did not.
    float single(double value, const char* step) const {
        // Halfway between the largest float and 2^128: from here on, rounding to single overflows.
        constexpr double singleOverflow = 0x1.ffffffp127;
        if (std::fabs((*this)(value, step)) >= singleOverflow) {
            fail(step);
        }
        return static_cast<float>(value);
    }

  private:
    // Throws the fault; out of line, so that the checks above stay small enough to inline.
    [[noreturn]] void fail(const char* step) const;

    const char* routine_;
};

} // namespace korvanex
