// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pybind11/pybind11.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace korvanex::python {

// What the command-line tool refuses, with its message: raised in Python as korvanex.InputError.
class InputProblem : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Adds InputError (a ValueError), FaultError (a FloatingPointError) and RangeWarning (a UserWarning)
// to the module, and raises an InputProblem as InputError and a FloatingPointFault as FaultError with
// the command-line tool's message.
void bindErrors(pybind11::module_& module);

// Warns of each value outside its typical range with a RangeWarning, from the caller of the Python
// function that called the module.
void warnOfRanges(const std::vector<std::string>& warnings);

// Warns with a UserWarning of a parameter that has no effect, from the caller of the Python function
// that called the module.
void warnOfUse(const std::string& warning);

// Raises OSError with the message.
[[noreturn]] void raiseOsError(const std::string& message);

} // namespace korvanex::python
