// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "engine/result_fields.h"

namespace korvanex::python {

// A value kept in single precision as Python gets it, the number the command-line tool writes: the
// double that its shortest text reads back as (243.8, not 243.8000030517578), as Python's JSON and
// CSV readers see the tool's outputs.
double pythonFloat(float value);

// A result as Python gets it: pythonFloat of a result kept in single precision, the radius as the
// double it is.
double pythonResult(double value, const ResultField& field);

} // namespace korvanex::python
