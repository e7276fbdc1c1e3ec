#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

namespace korvanex {

// The second step of a computation: multiplies the Westergaard stress of the wheel location by the
// factors of that location's fitted models and adds the curling contribution. The models clamp the
// ratio fields in place, in the order of the calls. Throws FloatingPointFault when a product overflows.
void combs(const AnalysisCase& record, AnalysisResults& results);

} // namespace korvanex
