// SPDX-License-Identifier: Apache-2.0
#include "studies/plate_comparison.h"

#include "engine/analysis_driver.h"
#include "engine/combs.h"

namespace korvanex {

std::vector<ClampedRatio> clampedRatios(const AnalysisResults& formed, const AnalysisResults& composed) {
    std::vector<ClampedRatio> clamped;
    for (const ResultField& field : resultFields()) {
        // Of the driver's results, the composition changes the ratios alone.
        const bool formedByDriver = field.group == ResultGroup::Driver && field.single != nullptr;
        if (formedByDriver && formed.*field.single != composed.*field.single) {
            clamped.push_back({&field, formed.*field.single, composed.*field.single});
        }
    }
    return clamped;
}

PlateComparison comparePlate(const AnalysisCase& record, const PlateOptions& options) {
    PlateComparison comparison;
    AnalysisDriver(record, comparison.analysis);
    const AnalysisResults formed = comparison.analysis;
    combs(record, comparison.analysis);
    comparison.clamped = clampedRatios(formed, comparison.analysis);
    comparison.options = options;
    comparison.model = plateModel(record, options);
    comparison.plate = solvePlate(comparison.model, options.mesh);
    return comparison;
}

} // namespace korvanex
