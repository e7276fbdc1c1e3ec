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
// The wheels stand as the location says: at the edge, the outer tire touches the outer edge (or
// stands D0 inside it) halfway along the slab; at the corner, it also touches the transverse joint
// x = 0; in the interior, the tires are centred on the slab. Within one side of the axle, dual tires
// are s apart, centre to centre; tandem and tridem axles are t apart; d is the distance between the
// centres of the tire groups of the two sides. The dimension labels are in the case's units.
std::string slabPlanSvg(const AnalysisCase& record);

} // namespace korvanex
