// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/fault.h"

namespace korvanex {

// The equivalent single slab of two layers: its thickness, and the factor that turns the stress of
// that slab into the stress at the bottom of the top layer.
struct EquivalentSection {
    float he = 0;           // equivalent thickness, in
    float stressFactor = 1; // h1 / he (unbonded) or 2 (h1 - X) / he (bonded)
};

// Two layers sliding on each other: he = (h1^3 + (E2/E1) h2^3)^(1/3).
EquivalentSection unbondedSection(const FaultCheck& check, float h1, float h2, float E1, float E2);

// Two layers acting as one composite section, with the neutral-axis distances of each layer.
struct BondedSection {
    float x1 = 0;  // neutral axis to the mid-depth of the slab
    float x2 = 0;  // neutral axis to the mid-depth of the second layer
    float h1e = 0; // thickness of the slab about the composite neutral axis
    float h2e = 0; // the same for the second layer
    EquivalentSection section;
};
BondedSection bondedSection(const FaultCheck& check, float h1, float h2, float E1, float E2);

} // namespace korvanex
