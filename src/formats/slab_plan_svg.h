// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <string>

namespace korvanex {

// The slab of a case in plan, drawn to scale as an SVG picture whose user unit is the inch: the
// slab L × W with the traffic running along L, the shoulder beside its outer longitudinal edge
// (tied or not), the widened lane's offset D0 where the lane is widened, and the axle's tires as
// contact circles (one <circle class="tire"> each) of the radius the analysis uses. The slab's
// top left corner is the origin; its outer edge, beside the shoulder, is the line y = W.
//
// The tires stand where tireCentres (engine/tire_layout.h) puts them. The dimension labels are in
// the case's units.
std::string slabPlanSvg(const AnalysisCase& record);

} // namespace korvanex
