// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"
#include "engine/analysis_results.h"

namespace korvanex {

// One computation of a case: the analysis driver, then the factor composition. Throws
// FloatingPointFault when the inputs are degenerate; the results written before the fault stay.
void computeStresses(const AnalysisCase& record, AnalysisResults& results);
// The same computation on the case's field texts as already read (readFieldNumbers).
void computeStresses(const AnalysisCase& record, const FieldNumbers& numbers, AnalysisResults& results);

} // namespace korvanex
