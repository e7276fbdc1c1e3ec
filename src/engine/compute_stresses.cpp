// SPDX-License-Identifier: Apache-2.0
#include "engine/compute_stresses.h"

#include "engine/analysis_driver.h"
#include "engine/combs.h"

namespace korvanex {

void computeStresses(const AnalysisCase& record, AnalysisResults& results) {
    computeStresses(record, readFieldNumbers(record), results);
}

void computeStresses(const AnalysisCase& record, const FieldNumbers& numbers, AnalysisResults& results) {
    AnalysisDriver(record, numbers, results);
    combs(record, results);
}

} // namespace korvanex
