// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"
#include "engine/result_fields.h"
#include "plate/plate_case.h"

#include <vector>

namespace korvanex {

// A ratio that a fitted model clamped into the range it was fitted on: the case's own value and the
// value the models computed with.
struct ClampedRatio {
    const ResultField* field;
    float given;
    float used;
};

// One case computed both ways: the analysis with its fitted factors, and the plate model.
struct PlateComparison {
    AnalysisResults analysis;
    std::vector<ClampedRatio> clamped; // in the order of the result fields
    PlateOptions options;
    PlateModel model;
    PlateResults plate;
};

// The ratios the models clamped: each ratio the analysis driver formed, compared before and after
// the factor composition, which clamps its inputs in place.
std::vector<ClampedRatio> clampedRatios(const AnalysisResults& formed, const AnalysisResults& composed);

// Computes the case with the fitted factors and with the plate model. Throws FloatingPointFault when
// either stops on a floating-point fault.
PlateComparison comparePlate(const AnalysisCase& record, const PlateOptions& options);

} // namespace korvanex
