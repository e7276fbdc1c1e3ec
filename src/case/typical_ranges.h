// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <optional>
#include <string_view>

namespace korvanex {

// The typical data range of a field that a dialog checks on OK, and the short symbol under which the
// messages name the field.
struct TypicalRange {
    std::string_view label;
    float minimum = 0;
    float maximum = 0;
};

// The range of a field in a unit system; none for the fields no dialog checks (mu2, r2).
std::optional<TypicalRange> typicalRange(Field field, UnitSystem units);

} // namespace korvanex
