// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_value.h"

#include <array>

namespace korvanex {

// Every field text of a case read once, by field, so that the input check and the unit conversion
// share one reading of each text.
using FieldNumbers = std::array<FieldNumber, FieldCount>;

FieldNumbers readFieldNumbers(const AnalysisCase& record);

} // namespace korvanex
