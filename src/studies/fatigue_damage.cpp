// SPDX-License-Identifier: Apache-2.0
#include "studies/fatigue_damage.h"

#include "case/fault.h"
#include "case/number_text.h"
#include "case/typical_ranges.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "engine/analysis_results.h"
#include "engine/compute_stresses.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <thread>

namespace korvanex {

namespace {

// The thickness grid's steps per inch or centimetre.
constexpr double GridStepsPerUnit = 100;

// What keeps a group from being computed at any thickness; empty when nothing does.
std::string groupError(const SpectrumGroup& group, const FatigueSettings& settings) {
    if (!group.error.empty()) {
        return group.error;
    }
    if (std::string problem = fatigueSettingsProblem(settings); !problem.empty()) {
        return problem;
    }
    if (settings.stress == FatigueStress::EdgeModel && !runsEdgeStressModel(group.record)) {
        return "the edge model does not run for this location and gear";
    }
    return {};
}

float chosenStress(const AnalysisResults& results, FatigueStress stress) {
    switch (stress) {
    case FatigueStress::Loading:
        return results.LoadingStressOnly;
    case FatigueStress::EdgeModel:
        return results.MdCombinedStress;
    case FatigueStress::Combined:
        break;
    }
    return results.CombinedStress;
}

// One group computed on the given case (the group's own, or with another slab thickness).
GroupDamage evaluate(const SpectrumGroup& group, const AnalysisCase& record, const FatigueSettings& settings,
                     AnalysisResults& results) {
    GroupDamage damage;
    damage.what = groupError(group, settings);
    if (!damage.what.empty()) {
        damage.status = GroupDamage::Status::Error;
        return damage;
    }
    return groupDamage(record, readFieldNumbers(record), group.repetitions, settings, results);
}

int gridHundredths(UnitSystem units, bool last) {
    const std::optional<TypicalRange> range = typicalRange(Field::h1, units);
    return static_cast<int>(std::lround((last ? range->maximum : range->minimum) * GridStepsPerUnit));
}

} // namespace

std::string spectrumError(const TrafficSpectrum& spectrum, const FatigueSettings& settings) {
    for (std::size_t index = 0; index < spectrum.groups.size(); ++index) {
        if (std::string error = groupError(spectrum.groups[index], settings); !error.empty()) {
            return "row " + std::to_string(index + 1) + ": " + error;
        }
    }
    return {};
}

std::string thicknessProblem(const TrafficSpectrum& spectrum, const FatigueSettings& settings) {
    if (std::string problem = fatigueSettingsProblem(settings); !problem.empty()) {
        return problem;
    }
    if (spectrum.groups.empty()) {
        return "there is no load group";
    }
    return spectrum.setsField(Field::h1) ? "the spectrum sets h1" : spectrumError(spectrum, settings);
}

GroupDamage groupDamage(const AnalysisCase& record, const FieldNumbers& numbers, double repetitions,
                        const FatigueSettings& settings, AnalysisResults& results) {
    GroupDamage damage;
    results = AnalysisResults{};
    try {
        computeStresses(record, numbers, results);
    } catch (const FloatingPointFault& fault) {
        damage.status = GroupDamage::Status::Fault;
        damage.what = fault.routine();
        return damage;
    }
    damage.stressPsi = chosenStress(results, settings.stress);
    damage.stress = inStressUnit(damage.stressPsi, record.units);
    damage.stressRatio = damage.stress / settings.modulusOfRupture;
    const AllowableRepetitions allowable =
        settings.model == FatigueModel::Pca
            ? pcaAllowableRepetitions(damage.stressRatio)
            : powerAllowableRepetitions(damage.stress, settings.modulusOfRupture, settings.constants);
    damage.allowableRepetitions = allowable.count;
    damage.damagePercent = damagePercent(repetitions, allowable);
    return damage;
}

double minersSum(const std::vector<double>& damages) {
    double sum = 0;
    for (double damage : damages) {
        sum += damage;
    }
    return sum;
}

double modulusOfRupturePsi(const FatigueSettings& settings, UnitSystem units) {
    return units == UnitSystem::Metric ? settings.modulusOfRupture / KpaPerPsi : settings.modulusOfRupture;
}

std::string fatigueSettingsProblem(const FatigueSettings& settings) {
    if (!(settings.modulusOfRupture > 0) || !std::isfinite(settings.modulusOfRupture)) {
        return "the modulus of rupture must be a finite number greater than 0";
    }
    return settings.model == FatigueModel::Power ? powerConstantsProblem(settings.constants) : std::string();
}

FatigueResult computeFatigue(const TrafficSpectrum& spectrum, const FatigueSettings& settings) {
    FatigueResult result;
    AnalysisResults results;
    double total = 0;
    bool complete = true;
    for (const SpectrumGroup& group : spectrum.groups) {
        const GroupDamage& damage =
            result.groups.emplace_back(evaluate(group, group.record, settings, results));
        complete = complete && damage.status == GroupDamage::Status::Ok;
        total += damage.damagePercent;
    }
    if (complete && !result.groups.empty()) {
        result.totalDamagePercent = total;
        if (settings.model == FatigueModel::Power) {
            result.crackingPercent = crackingPercent(total, settings.constants);
        }
    }
    return result;
}

std::optional<double> totalDamageAt(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                                    const std::string& h1Text) {
    AnalysisResults results;
    AnalysisCase record;
    double total = 0;
    for (const SpectrumGroup& group : spectrum.groups) {
        record = group.record;
        record.h1 = h1Text;
        const GroupDamage damage = evaluate(group, record, settings, results);
        if (damage.status != GroupDamage::Status::Ok) {
            return std::nullopt;
        }
        total += damage.damagePercent;
    }
    return total;
}

int thicknessGridPoints(UnitSystem units) {
    return gridHundredths(units, true) - gridHundredths(units, false) + 1;
}

double thicknessGridValue(UnitSystem units, int index) {
    return (gridHundredths(units, false) + index) / GridStepsPerUnit;
}

std::string thicknessGridText(UnitSystem units, int index) {
    return formatFixed(thicknessGridValue(units, index), 2);
}

std::vector<ThicknessDamage> damageAgainstThickness(const TrafficSpectrum& spectrum,
                                                    const FatigueSettings& settings, int stride,
                                                    unsigned jobs, std::stop_token stop) {
    std::vector<ThicknessDamage> curve;
    if (spectrum.setsField(Field::h1)) {
        return curve;
    }
    const int points = thicknessGridPoints(spectrum.units);
    std::vector<int> grid;
    for (int point = 0; point < points; point += stride) {
        grid.push_back(point);
    }
    if (grid.back() != points - 1) {
        grid.push_back(points - 1);
    }
    for (int point : grid) {
        curve.push_back({thicknessGridValue(spectrum.units, point), std::nullopt});
    }
    // Job j computes the curve's points j, j + jobs, j + 2 jobs, ...
    jobs = std::max(jobs, 1u);
    const auto computeShare = [&](std::size_t first) {
        for (std::size_t index = first; index < curve.size() && !stop.stop_requested(); index += jobs) {
            curve[index].totalDamagePercent =
                totalDamageAt(spectrum, settings, thicknessGridText(spectrum.units, grid[index]));
        }
    };
    std::vector<std::jthread> helpers;
    for (unsigned job = 1; job < jobs; ++job) {
        helpers.emplace_back(computeShare, job);
    }
    computeShare(0);
    return curve;
}

RequiredThickness solveThickness(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                                 std::stop_token stop) {
    RequiredThickness answer;
    answer.why = thicknessProblem(spectrum, settings);
    if (!answer.why.empty()) {
        return answer;
    }
    const std::size_t count = spectrum.groups.size();

    std::vector<AnalysisCase> records;
    records.reserve(count);
    for (const SpectrumGroup& group : spectrum.groups) {
        records.push_back(group.record);
    }
    AnalysisResults results;
    std::string text;
    const auto damageOf = [&](std::size_t index) -> std::optional<double> {
        records[index].h1 = text;
        const GroupDamage damage = evaluate(spectrum.groups[index], records[index], settings, results);
        return damage.status == GroupDamage::Status::Ok ? std::optional(damage.damagePercent) : std::nullopt;
    };

    // Each point computes its groups heaviest first, as the damages of the point before rank them,
    // so that a point that fails is given up after few groups.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<double> ranking(count, 0);
    std::vector<double> known(count);
    const int points = thicknessGridPoints(spectrum.units);
    for (int point = 0; point < points; ++point) {
        if (stop.stop_requested()) {
            answer.why = "stopped";
            return answer;
        }
        text = thicknessGridText(spectrum.units, point);
        std::stable_sort(order.begin(), order.end(),
                         [&ranking](std::size_t a, std::size_t b) { return ranking[a] > ranking[b]; });
        std::fill(known.begin(), known.end(), 0.0);
        double running = 0;
        bool failed = false;
        for (std::size_t index : order) {
            const std::optional<double> damage = damageOf(index);
            ranking[index] = damage.value_or(std::numeric_limits<double>::infinity());
            if (!damage) {
                failed = true;
                break;
            }
            known[index] = *damage;
            running += *damage;
            if (running > settings.targetPercent && minersSum(known) > settings.targetPercent) {
                failed = true;
                break;
            }
        }
        if (failed) {
            continue;
        }
        if (const double total = minersSum(known); total <= settings.targetPercent) {
            answer.status = RequiredThickness::Status::Found;
            answer.h1 = thicknessGridValue(spectrum.units, point);
            answer.h1Text = text;
            answer.totalDamagePercent = total;
            return answer;
        }
    }
    answer.status = RequiredThickness::Status::NoneInRange;
    return answer;
}

} // namespace korvanex
