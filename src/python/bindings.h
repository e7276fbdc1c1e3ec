// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <pybind11/pybind11.h>

namespace korvanex::python {

// The functions of the compiled module korvanex._korvanex, one area each; the package korvanex
// wraps them (korvanex/_case.py, _batch.py, _fatigue.py, _reliability.py, _plate.py, _design.py).
void bindCase(pybind11::module_& module);
void bindBatch(pybind11::module_& module);
void bindFatigue(pybind11::module_& module);
void bindReliability(pybind11::module_& module);
void bindPlate(pybind11::module_& module);
void bindDesign(pybind11::module_& module);

} // namespace korvanex::python
