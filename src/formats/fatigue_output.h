// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "formats/json_text.h"
#include "studies/fatigue_damage.h"
#include "studies/traffic_loads.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// The status of a group as the outputs show it: "ok", "fault: ROUTINE" or "error: WHAT".
std::string groupStatusText(const GroupDamage& damage);

// A count of repetitions, "3.096E+04", "unlimited", or "< 1E-300" below the smallest number written.
std::string repetitionsText(double repetitions);

// The required thickness as a line ends: "9.87 in", "none within the typical range (4.00 to 20.00 in)"
// or "not solved: " and why.
std::string requiredThicknessText(const RequiredThickness& thickness, UnitSystem units);

// The total damage line's value: "123.45 %", or why it is not known.
std::string totalDamageText(const FatigueResult& result);

// The columns of the fixed-pitch table after the row number: their headings in the units given, and
// the texts of a group, one per heading, or fewer when the group's status stands for the rest of the
// row (an error after the row number, a fault after the temperature differential).
std::vector<std::string> fatigueHeadings(UnitSystem units);
std::vector<std::string> fatigueGroupTexts(const SpectrumGroup& group, const GroupDamage& damage);

// The settings as the table opens with them: the model, stress, modulus of rupture and target, and for a
// spectrum of axle groups per 1,000 trucks a line of its traffic and growth factor.
std::string fatigueSettingsLines(const TrafficSpectrum& spectrum, const FatigueSettings& settings);

// The fixed-pitch table: for a spectrum of axle groups per 1,000 trucks a line of its traffic and growth
// factor under the settings, one line per group (row, gear, load, temperature differential, stress,
// stress ratio, allowable repetitions, repetitions, damage), then the total damage, the percent of
// slabs cracked (power model) and, when solved, the required slab thickness.
std::string fatigueTable(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                         const FatigueResult& result, const std::optional<RequiredThickness>& thickness);

// The per-group table as CSV: the spectrum's cells, for a spectrum of axle groups per 1,000 trucks its
// growth_factor and each group's repetitions, then status, stress (the case's unit),
// stress_ratio, allowable_repetitions (empty for unlimited) and damage_percent, each the shortest text
// that reads back as its value (the stress rounded to single precision as a stored result), or the
// words of a damage beyond the double range ("> 1E+300", numberWords).
std::string fatigueCsv(const TrafficSpectrum& spectrum, const FatigueResult& result);

// The settings as the JSON of fatigue and reliability open with them: "model", "stress",
// "modulus_of_rupture" (psi), "target_percent" and, for a spectrum of axle groups per 1,000 trucks,
// "traffic" and "growth_factor".
void addFatigueSettingsJson(Json& json, const TrafficSpectrum& spectrum, const FatigueSettings& settings);

// The results as one JSON object (jsonText), stresses and the modulus of rupture in psi, numbers as
// in the CSV; a damage beyond the double range is null, with its words in a member of its name and
// "_text" ("damage_percent_text": "> 1E+300", setNumber). For a spectrum of axle groups per 1,000
// trucks it holds the traffic and its growth_factor, and each group's repetitions are those worked out
// from the traffic.
std::string fatigueJson(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                        const FatigueResult& result, const std::optional<RequiredThickness>& thickness);

// The warnings of inputs plausible in form but not in size: a modulus of rupture outside the usual
// range of paving concrete, and each computed group whose stress ratio is above 1, with a hint at the
// unit.
std::vector<std::string> fatigueWarnings(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                                         const FatigueResult& result);

// The fatigue results as printed: a title with the time of printing, the case's inputs as the report
// gives them, the power model's constants when it is chosen, then the table.
std::vector<std::string> fatiguePrintLines(const AnalysisCase& record, const TrafficSpectrum& spectrum,
                                           const FatigueSettings& settings, const FatigueResult& result,
                                           const std::optional<RequiredThickness>& thickness,
                                           std::string_view printed);

// The spectrum's cells as CSV, lines ending in LF.
std::string spectrumCsv(const SpectrumCells& cells);

} // namespace korvanex
