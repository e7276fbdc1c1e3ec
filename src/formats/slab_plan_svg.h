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
// the case's units. Every label stands clear of every other label and of everything drawn (lines,
// outlines, tires), judged by the text boxes of formats/svg_drawing.h: a dimension line goes to the
// first of its places with room for its label beside it; a label that finds no room beside its line
// is written under the plan, its line then labelled with the symbol alone where that fits.
std::string slabPlanSvg(const AnalysisCase& record);

} // namespace korvanex
