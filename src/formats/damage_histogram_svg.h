// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/reliability.h"

#include <string>

namespace korvanex {

// The samples' total damage as a histogram on a logarithmic axis, an SVG picture 720 × 400 pixels:
// five bars to a decade from the decade under the least damage above 0 to the decade over the
// largest (at most twelve decades down from the largest or down to the target's decade, the lowest bar
// then gathering every damage below it), the target as a dashed line, and beside the axis a bar each for the
// samples of damage 0, of a damage beyond the number range and that faulted, each drawn only when there are
// any. Every number of the picture is finite.
std::string damageHistogramSvg(const SimulatedDamage& damage, double targetPercent);

} // namespace korvanex
