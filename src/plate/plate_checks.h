// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "plate/plate_model.h"

#include <string>
#include <vector>

namespace korvanex {

// A check of the plate model against a value it must reproduce: a closed form of the engineering
// literature, the applied load, or the same model mirrored. The quantity, the case, where the
// reference value comes from, that value, the model's, and the agreement allowed.
struct PlateCheck {
    std::string quantity;
    std::string inputs;
    std::string source;
    double reference = 0;
    double computed = 0;
    double relativeTolerance = 0; // the allowed difference, as a fraction of the reference value

    double relativeDifference() const { return (computed - reference) / reference; }
    bool passes() const;
};

// The plate model's checks, each model solved on the given mesh: one tire at the interior, the edge
// and the corner of a large slab against Westergaard's and Ioannides' closed forms, the curling of
// slabs 4 l wide and 4 to 12 l long against Bradbury's, the foundation's reaction against the load,
// and the corner tire mirrored to the opposite corner.
std::vector<PlateCheck> plateChecks(PlateMesh mesh = PlateMesh::Default);

} // namespace korvanex
