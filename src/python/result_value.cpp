// SPDX-License-Identifier: Apache-2.0
#include "python/result_value.h"

#include "formats/json_text.h"

#include <cmath>

namespace korvanex::python {

double pythonFloat(float value) {
    // A whole number of a float's 24 bits is its own shortest text, as many factors (1) and stresses
    // (0) are: no text needs to be made.
    if (std::fabs(value) < 0x1p24f && value == std::trunc(value)) {
        return value;
    }
    return jsonFloat(value);
}

double pythonResult(double value, const ResultField& field) {
    return field.wide != nullptr ? value : pythonFloat(static_cast<float>(value));
}

} // namespace korvanex::python
