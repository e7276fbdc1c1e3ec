// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/unit_conversion.h"

#include <vector>

namespace korvanex {

// A point of the slab in plan, in inches: x along the slab's length L (the traffic), y across it; the
// slab's top left corner is the origin and its outer edge, beside the shoulder, is the line y = W.
struct PlanPoint {
    double x;
    double y;
};

// The centres of the axle's tires in plan, outer side first, first axle first; the outer tire of
// the outer side is the one nearest the outer edge. The wheels stand as the location says: at the
// edge, the outer tire's contact circle of radius a touches the outer edge (or stands D0 inside it
// in a widened lane) halfway along the slab; at the corner, it also touches the transverse joint
// x = 0; in the interior, the tires are centred on the slab. Within one side, dual tires are s apart,
// centre to centre; tandem and tridem axles are t apart; d is the distance between the centres of
// the tire groups of the two sides.
std::vector<PlanPoint> tireCentres(const AnalysisCase& record, const ComputationInputs& in, double a);

} // namespace korvanex
