// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

#include <string>

namespace korvanex {

// One JSON object with the unit system, the options and every result of the last computation in
// computation units (psi, inches), each number the shortest text that reads back as the value (the
// radius as the double it is kept in, every other result as its float). The edge model's results are
// included only when it ran for this case.
std::string resultsJson(const AnalysisCase& record, const AnalysisResults& results);

} // namespace korvanex
