// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/case_words.h"
#include "case/field_numbers.h"
#include "engine/analysis_results.h"
#include "studies/fatigue_models.h"
#include "studies/traffic_loads.h"

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

enum class FatigueModel { Pca, Power };

// The stress compared with the modulus of rupture: the Combined Loading & Curling Stress, the Loading
// Stress Only, or the edge model's combined stress.
enum class FatigueStress { Combined, Loading, EdgeModel };

struct FatigueSettings {
    FatigueModel model = FatigueModel::Pca;
    PowerModelConstants constants;
    FatigueStress stress = FatigueStress::Combined;
    double modulusOfRupture = 0; // in the case's stress unit, psi or kPa
    double targetPercent = 100;
};

// The modulus of rupture in psi, however the case's units give it.
double modulusOfRupturePsi(const FatigueSettings& settings, UnitSystem units);

// The usual range of the modulus of rupture of paving concrete, in psi: a value outside it is more
// likely a value in the wrong unit than a concrete.
inline constexpr double UsualModulusOfRupturePsi[] = {400, 1000};

// What keeps every group from being computed with these settings: a modulus of rupture that is not a
// finite number greater than 0, or power-model constants that break their rules. Empty when nothing
// does.
std::string fatigueSettingsProblem(const FatigueSettings& settings);

// The words of the command line, the outputs and the fatigue window.
inline constexpr Word<FatigueModel> FatigueModelWords[] = {{"pca", FatigueModel::Pca},
                                                           {"power", FatigueModel::Power}};
inline constexpr Word<FatigueStress> FatigueStressWords[] = {{"combined", FatigueStress::Combined},
                                                             {"loading", FatigueStress::Loading},
                                                             {"edge-model", FatigueStress::EdgeModel}};

struct GroupDamage {
    enum class Status { Ok, Fault, Error };
    Status status = Status::Ok;
    std::string what;    // the routine that faulted, or what is wrong with the group
    float stressPsi = 0; // the stress as computed, in psi
    double stress = 0;   // in the case's stress unit
    double stressRatio = 0;
    double allowableRepetitions = 0; // +infinity for unlimited
    double damagePercent = 0;        // +infinity beyond the double range
};

struct FatigueResult {
    std::vector<GroupDamage> groups;
    // Miner's sum of the groups' damages; none when a group was not computed, for then the traffic
    // cannot be shown to be carried, and none for a spectrum without groups.
    std::optional<double> totalDamagePercent;
    std::optional<double> crackingPercent; // the power model only
};

// What keeps the spectrum from being computed at any thickness: the first group in error, as "row 3:
// WHAT"; empty when nothing does.
std::string spectrumError(const TrafficSpectrum& spectrum, const FatigueSettings& settings);

// Why no thickness can be looked for: the settings are not usable, the spectrum has no group or sets h1,
// or a group is in error; empty when one can.
std::string thicknessProblem(const TrafficSpectrum& spectrum, const FatigueSettings& settings);

// The damage of `repetitions` passes of one group whose case is `record` with its field texts as read
// into `numbers` (a study may set other values there), computed from a fresh results record. The group
// must not be in error (spectrumError).
GroupDamage groupDamage(const AnalysisCase& record, const FieldNumbers& numbers, double repetitions,
                        const FatigueSettings& settings, AnalysisResults& results);

// Miner's sum of the groups' damages in the spectrum's order, as computeFatigue and totalDamageAt form
// it. Rounding is monotone and no term is negative, so with damages not yet computed counted as 0 it
// is never more than the total, and it is the total once every damage is known.
double minersSum(const std::vector<double>& damages);

// Computes every group of the spectrum, each from a fresh results record.
FatigueResult computeFatigue(const TrafficSpectrum& spectrum, const FatigueSettings& settings);

// The total damage of the spectrum with every group's slab thickness set to the text; none when a
// group cannot be computed there.
std::optional<double> totalDamageAt(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                                    const std::string& h1Text);

// The grid of slab thicknesses searched: steps of 0.01 (in or cm) over the typical range of h1. A
// point's text is its value with two decimals, the field text the dialog would show.
int thicknessGridPoints(UnitSystem units);
double thicknessGridValue(UnitSystem units, int index);
std::string thicknessGridText(UnitSystem units, int index);

// The total damage of the spectrum at one slab thickness.
struct ThicknessDamage {
    double h1 = 0;                            // in or cm
    std::optional<double> totalDamagePercent; // none when a group cannot be computed there
};

// The total damage against the slab thickness at every `stride`-th point of the grid, from the
// thinnest, and at the thickest: what totalDamageAt gives at each. The points are shared out among `jobs`
// threads, each computed on its own, so that the curve is the same for any number. Empty when the spectrum
// sets h1. Once `stop` is requested no further point is computed: those left keep no damage.
std::vector<ThicknessDamage> damageAgainstThickness(const TrafficSpectrum& spectrum,
                                                    const FatigueSettings& settings, int stride,
                                                    unsigned jobs = 1, std::stop_token stop = {});

struct RequiredThickness {
    enum class Status { Found, NoneInRange, NotSolved };
    Status status = Status::NotSolved;
    double h1 = 0;                 // Found: the thickness, in or cm
    std::string h1Text;            // Found: the thickness as the dialog shows it
    double totalDamagePercent = 0; // Found: the total damage there
    std::string why;               // NotSolved: why no thickness can be looked for
};

// The least slab thickness of the grid at which the total damage is at most the target: the same
// point as a scan of every grid point with totalDamageAt. Damage need not fall as the slab thickens,
// so every point from the thinnest up is tried until one carries the traffic. A point is given up as
// soon as the damages computed there, summed in the spectrum's order, exceed the target: damage terms
// are never negative, so the total can only be larger. A point where a group faults cannot be shown
// to carry the traffic and fails. Nothing is looked for when the settings are not usable, the
// spectrum has no group or sets h1, or a group is in error. Once `stop` is requested the search ends,
// not solved.
RequiredThickness solveThickness(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                                 std::stop_token stop = {});

} // namespace korvanex
