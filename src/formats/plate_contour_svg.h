// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "plate/plate_model.h"

#include <string>

namespace korvanex {

// The slab of a solved plate model in plan, with its tied shoulder, drawn to scale as an SVG picture
// whose user unit is the inch, in the frame of the slab plan (the traffic along x, the outer edge at
// y = W): the largest principal stress of one face under one load case, the face where the load
// case's largest tensile stress acts, as the mesh's cells filled in bands of round values (red for
// tension, blue for compression, white about zero), each cell by the mean of its four nodes; a key
// of the bands in the case's stress unit; the tires as the squares that load the model
// (<rect class="tire">); the slab's largest stress marked where it acts and labelled; and a caption
// that names the face, the load case and the mesh. Every number in it is finite.
std::string plateContourSvg(const AnalysisCase& record, const PlateModel& model, const PlateResults& results,
                            PlateState state, PlateMesh mesh);

} // namespace korvanex
