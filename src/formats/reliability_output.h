// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/reliability.h"

#include <iosfwd>
#include <string>

namespace korvanex {

// The scattered inputs as the outputs name them: "h1 0.04 normal   MR 0.1 normal", or "none".
std::string scatterText(const ReliabilitySettings& settings);

// The study as a fixed-pitch text: the fatigue settings, the scatter, the samples and the seed; the
// deterministic total damage; the probability of failure with its 95 % interval, the reliability and
// the faulted samples; the damage (and, for the power model, the percent of slabs cracked): its mean
// and percentiles, and at the reliability asked for; then the required slab thicknesses. Percentages
// with two decimals; a figure that cannot be known in words.
std::string reliabilityTable(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                             const ReliabilitySettings& reliability, const ReliabilityStudy& study);

// The study as one JSON object (jsonText): the fatigue settings as fatigue's JSON has them, "scatter",
// "samples", "seed", "deterministic_damage_percent", "probability_of_failure" and
// "probability_interval" ([low, high], 95 %) and "reliability" as fractions, "faulted_samples",
// "damage_percent" ({"mean", "p10", "p50", "p90", "p99"}, and "at_reliability" with a reliability
// asked for), for the power model "cracking_percent" alike, and with a reliability asked for
// "reliability_percent", "required_h1" (null when none is found) and "deterministic_required_h1";
// "required_h1_units" last. A figure that cannot be known is null.
std::string reliabilityJson(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                            const ReliabilitySettings& reliability, const ReliabilityStudy& study);

// The samples as CSV, a line each, written into the stream as they are formed: "sample" (from 1), the
// factor of each scattered input ("h1_factor", ...: its sampled value over the case's own), "status"
// ("ok" or "fault: row 3: ROUTINE"), "damage_percent" (empty for a fault) and, for the power model,
// "cracking_percent". Stops once the stream fails.
void writeReliabilityCsv(std::ostream& out, const FatigueSettings& fatigue,
                         const ReliabilitySettings& reliability, const SimulatedDamage& damage);

} // namespace korvanex
