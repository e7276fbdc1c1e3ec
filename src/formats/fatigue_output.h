// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/fatigue_damage.h"
#include "studies/traffic_loads.h"

#include <optional>
#include <string>

namespace korvanex {

// The status of a group as the outputs show it: "ok", "fault: ROUTINE" or "error: WHAT".
std::string groupStatusText(const GroupDamage& damage);

// A count of repetitions, "3.096E+04", or "unlimited".
std::string repetitionsText(double repetitions);

// The required thickness as a line ends: "9.87 in", "none within the typical range (4.00 to 20.00 in)"
// or "not solved: " and why.
std::string requiredThicknessText(const RequiredThickness& thickness, UnitSystem units);

// The total damage line's value: "123.45 %", or why it is not known.
std::string totalDamageText(const FatigueResult& result);

// The fixed-pitch table: for a spectrum of axle groups per 1,000 trucks a line of its traffic and growth
// factor under the settings, one line per group (row, gear, load, temperature differential, stress,
// stress ratio, allowable repetitions, repetitions, damage), then the total damage, the percent of
// slabs cracked (power model) and, when solved, the required slab thickness.
std::string fatigueTable(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                         const FatigueResult& result, const std::optional<RequiredThickness>& thickness);

// The per-group table as CSV: the spectrum's cells, for a spectrum of axle groups per 1,000 trucks its
// growth_factor and each group's repetitions, then status, stress (the case's unit),
// stress_ratio, allowable_repetitions (empty for unlimited) and damage_percent, each the shortest text
// that reads back as its value (the stress rounded to single precision as a stored result).
std::string fatigueCsv(const TrafficSpectrum& spectrum, const FatigueResult& result);

// The results as one JSON object (jsonText), stresses and the modulus of rupture in psi, numbers as
// in the CSV; a damage beyond the double range is written 1e999. For a spectrum of axle groups per
// 1,000 trucks it holds the traffic and its growth_factor, and each group's repetitions are those
// worked out from the traffic.
std::string fatigueJson(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                        const FatigueResult& result, const std::optional<RequiredThickness>& thickness);

// The spectrum's cells as CSV, lines ending in LF.
std::string spectrumCsv(const SpectrumCells& cells);

} // namespace korvanex
