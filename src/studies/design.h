// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "studies/fatigue_damage.h"
#include "studies/scatter.h"
#include "studies/traffic_loads.h"
#include "studies/truck_traffic.h"

#include <optional>

namespace korvanex {

// A whole design as a design file keeps it: the case with every setting a case file lacks, and what
// the fatigue and reliability studies of the case need, each part present once it has been given. The traffic
// belongs to a spectrum of axle groups per 1,000 trucks; the studies of the design read it from there.
struct Design {
    AnalysisCase record;
    std::optional<SpectrumCells> spectrum;
    std::optional<TrafficSettings> traffic;
    std::optional<FatigueSettings> fatigue;
    std::optional<ReliabilitySettings> reliability;
};

} // namespace korvanex
