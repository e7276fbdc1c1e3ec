// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"
#include "case/unit_conversion.h"
#include "engine/analysis_results.h"

namespace korvanex {

// The first step of a computation: converts the case into computation units and writes the
// Westergaard stresses, the second layer factor, the radius of relative stiffness, the eleven
// ratios and the curling stress, then runs the edge stress model where it applies. Throws
// FloatingPointFault on degenerate inputs; the fields written before the fault keep their values.
void AnalysisDriver(const AnalysisCase& record, AnalysisResults& results);
// The same step on the case's field texts as already read.
void AnalysisDriver(const AnalysisCase& record, const FieldNumbers& numbers, AnalysisResults& results);

// The load of the wheels on one side of the axle (lb) and the radius of one tire's contact circle
// (in): that load spread over the side's tires at the tire pressure. Throws FloatingPointFault when
// the load and the pressure leave no radius.
struct WheelLoad {
    float Pw = 0;
    float a = 0;
};
WheelLoad wheelLoad(const ComputationInputs& in, GearConfiguration gear);

// Whether a case runs the closed-form edge model: wheels at the edge with a gear it supports.
bool runsEdgeStressModel(const AnalysisCase& record);

} // namespace korvanex
