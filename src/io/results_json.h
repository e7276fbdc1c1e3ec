#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

#include <string>

namespace korvanex {

// One JSON object with the unit system, the options and every result of the last computation in
// computation units (psi, inches), each number with 9 significant digits so that a float survives
// the round trip. The edge model's results are included only when it ran for this case.
std::string resultsJson(const AnalysisCase& record, const AnalysisResults& results);

// A number with 9 significant digits, as the JSON and CSV outputs write it.
std::string nineDigits(double value);

} // namespace korvanex
