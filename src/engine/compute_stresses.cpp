#include "engine/compute_stresses.h"

#include "engine/analysis_driver.h"
#include "engine/combs.h"

namespace korvanex {

void computeStresses(const AnalysisCase& record, AnalysisResults& results) {
    AnalysisDriver(record, results);
    combs(record, results);
}

} // namespace korvanex
