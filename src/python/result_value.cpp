// SPDX-License-Identifier: Apache-2.0
#include "python/result_value.h"

#include "formats/json_text.h"

#include <cmath>

namespace korvanex::python {

double pythonResult(double value, const ResultField& field) {
    if (field.wide != nullptr) {
        return value;
    }
    const float single = static_cast<float>(value);
    // A whole number of a float's 24 bits is its own shortest text, as many factors (1) and stresses
    // (0) are: no text needs to be made.
    if (std::fabs(single) < 0x1p24f && single == std::trunc(single)) {
        return single;
    }
    return jsonFloat(single);
}

} // namespace korvanex::python
