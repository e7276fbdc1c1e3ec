// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "engine/result_fields.h"

namespace korvanex::python {

// A result as Python gets it, the number the command-line tool writes: a result kept in single
// precision is the double that its shortest text reads back as (243.8, not 243.8000030517578), as
// the JSON and CSV readers of Python see it; the radius is the double it is.
double pythonResult(double value, const ResultField& field);

} // namespace korvanex::python
