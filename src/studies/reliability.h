// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/fatigue_damage.h"
#include "studies/scatter.h"
#include "studies/study_threads.h"
#include "studies/traffic_loads.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvanex {

// The total damage of every sample of a simulation.
struct SimulatedDamage {
    // By sample: Miner's sum of its groups in the spectrum's order, as computeFatigue forms it; 0 for a
    // faulted sample.
    std::vector<double> damagePercent;
    // The samples where a group faulted, with the first such group: "row 3: WestergaardEdge". Such a
    // sample cannot be shown to carry the traffic: it counts as a failure.
    std::map<std::uint64_t, std::string> faults;
};

// Computes every sample of the settings on the spectrum: each group of a sample with the sample's
// factors (the same for every group) on its h1, E1, k and F, on the modulus of rupture and on its
// repetitions. With `h1Text`, every group's slab thickness is the value of that text times the
// sample's factor. The result is the same for any number of jobs. Nothing when cancelled. The spectrum
// must be free of errors (spectrumError).
std::optional<SimulatedDamage> simulateDamage(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                                              const ReliabilitySettings& reliability,
                                              const StudyControl& control = {},
                                              const std::optional<std::string>& h1Text = std::nullopt);

// The least count k of `samples` whose share k / samples, in double precision, reaches `percent` / 100:
// the samples that must carry the traffic for a reliability of `percent`, and the rank (from 1) of the
// nearest-rank percentile.
std::uint64_t leastCountReaching(std::uint64_t samples, double percent);

// The Wilson score interval of a share `count` / `samples` at a confidence in percent (95, 99):
// {low, high}.
std::array<double, 2> wilsonInterval(std::uint64_t count, std::uint64_t samples, double confidencePercent);

// The percentiles reported, and a percentile's damage and percent of slabs cracked.
inline constexpr double ReportedPercentiles[] = {10, 50, 90, 99};
struct Percentile {
    double percent = 0;
    std::optional<double> damagePercent;   // none when its rank falls on a faulted sample
    std::optional<double> crackingPercent; // the power model's, at that damage
};

// What a simulation comes to.
struct ReliabilitySummary {
    std::uint64_t samples = 0;
    std::uint64_t failures = 0; // damage above the target, or faulted
    std::uint64_t faulted = 0;
    double probabilityOfFailure = 0;           // failures / samples
    std::array<double, 2> probabilityInterval; // Wilson, 95 %
    double reliability = 0;                    // (samples - failures) / samples
    std::optional<double> meanDamagePercent;   // none when a sample faulted
    std::optional<double> meanCrackingPercent; // the power model's, over the samples
    // At each of ReportedPercentiles, then at the reliability asked for. The p-th percentile is the
    // damage of rank leastCountReaching(samples, p) from the least (nearest rank), a faulted sample
    // ranking above every damage.
    std::vector<Percentile> percentiles;
};

ReliabilitySummary summarizeReliability(const SimulatedDamage& damage, const FatigueSettings& fatigue,
                                        const std::optional<double>& reliabilityPercent);

// The least slab thickness of the thickness grid at which the reliability (the share of the samples
// that carry the traffic, their total damage at most the target) is at least the settings'
// reliabilityPercent, every grid point computing the same samples with their factors of h1 applied to
// the grid point's value: the same point as simulateDamage at every grid point from the thinnest.
// totalDamagePercent is not set. NotSolved when the spectrum sets h1 or is in error. Nothing when
// cancelled.
std::optional<RequiredThickness> solveThicknessAtReliability(const TrafficSpectrum& spectrum,
                                                             const FatigueSettings& fatigue,
                                                             const ReliabilitySettings& reliability,
                                                             const StudyControl& control = {});

// The reliability at one thickness of the grid, in percent.
struct ThicknessReliability {
    double h1 = 0;
    double reliabilityPercent = 0;
};

// The reliability against the slab thickness: at every `stride`-th point of the thickness grid from the
// thinnest, the same samples simulated (simulateDamage at that point), the control's progress told in
// grid points. Nothing when cancelled. The spectrum must be free of errors and not set h1.
std::optional<std::vector<ThicknessReliability>>
reliabilityAgainstThickness(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                            const ReliabilitySettings& reliability, int stride,
                            const StudyControl& control = {});

// A whole reliability study of a design: the case itself and its simulation, and with a reliability
// asked for the thickness at that reliability beside the deterministic one. This is what a front end
// runs: a window off its user-interface thread with the control's progress (the simulation's samples,
// then the thickness search's grid points) and Cancel.
struct ReliabilityStudy {
    FatigueResult deterministic;
    SimulatedDamage damage;
    ReliabilitySummary summary;
    std::optional<RequiredThickness> deterministicThickness;
    std::optional<RequiredThickness> thickness;
};

// Runs the study; nothing when cancelled. The spectrum must be free of errors (spectrumError).
std::optional<ReliabilityStudy> runReliabilityStudy(const TrafficSpectrum& spectrum,
                                                    const FatigueSettings& fatigue,
                                                    const ReliabilitySettings& reliability,
                                                    const StudyControl& control = {});

} // namespace korvanex
