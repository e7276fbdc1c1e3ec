// SPDX-License-Identifier: Apache-2.0
#include "studies/reliability.h"

#include "case/field_value.h"
#include "studies/random_draws.h"
#include "studies/sample_damage.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace korvanex {

namespace {

// Large enough that handing a block out costs nothing next to computing it, small enough that a
// Cancel is seen soon and the progress moves.
constexpr std::uint64_t SamplesPerBlock = 256;

// The total damage of the sample drawn, or the first group that faulted.
void computeSample(SampleDamage& sample, std::size_t groups, double& total, std::string& fault) {
    total = 0;
    for (std::size_t index = 0; index < groups; ++index) {
        const GroupDamage damage = sample.group(index);
        if (damage.status != GroupDamage::Status::Ok) {
            total = 0;
            fault = "row " + std::to_string(index + 1) + ": " + damage.what;
            return;
        }
        total += damage.damagePercent;
    }
}

// Sorts the damages of the samples that did not fault, which rank below the faulted ones.
std::vector<double> rankedDamages(const SimulatedDamage& damage) {
    std::vector<double> ranked;
    ranked.reserve(damage.damagePercent.size() - damage.faults.size());
    for (std::uint64_t sample = 0; sample < damage.damagePercent.size(); ++sample) {
        if (!damage.faults.contains(sample)) {
            ranked.push_back(damage.damagePercent[sample]);
        }
    }
    std::sort(ranked.begin(), ranked.end());
    return ranked;
}

// The power model's percent of slabs cracked at a damage; none for the PCA model.
std::optional<double> crackingOf(double damagePercent, const FatigueSettings& fatigue) {
    if (fatigue.model != FatigueModel::Power) {
        return std::nullopt;
    }
    return crackingPercent(damagePercent, fatigue.constants);
}

// The means over the samples, summed in the samples' order; for a simulation without a fault.
void addMeans(const SimulatedDamage& damage, const FatigueSettings& fatigue, ReliabilitySummary& summary) {
    double damageSum = 0, crackingSum = 0;
    for (double value : damage.damagePercent) {
        damageSum += value;
        crackingSum += crackingOf(value, fatigue).value_or(0);
    }
    summary.meanDamagePercent = damageSum / summary.samples;
    if (fatigue.model == FatigueModel::Power) {
        summary.meanCrackingPercent = crackingSum / summary.samples;
    }
}

} // namespace

std::optional<SimulatedDamage> simulateDamage(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                                              const ReliabilitySettings& reliability,
                                              const StudyControl& control,
                                              const std::optional<std::string>& h1Text) {
    const std::optional<double> h1 =
        h1Text ? std::optional(readFieldNumber(*h1Text).value) : std::optional<double>();
    SimulatedDamage result;
    result.damagePercent.assign(reliability.samples, 0.0);
    std::vector<SampleDamage> samples(std::max(1u, control.jobs),
                                      SampleDamage(spectrum, fatigue, reliability));
    std::mutex mutex;
    std::uint64_t done = 0;
    const auto work = [&](unsigned thread, std::uint64_t begin, std::uint64_t end) {
        std::map<std::uint64_t, std::string> faults;
        for (std::uint64_t index = begin; index < end; ++index) {
            std::string fault;
            samples[thread].draw(index, h1);
            computeSample(samples[thread], spectrum.groups.size(), result.damagePercent[index], fault);
            if (!fault.empty()) {
                faults.emplace(index, std::move(fault));
            }
        }
        const std::lock_guard lock(mutex);
        result.faults.merge(faults);
        done += end - begin;
        if (control.progress) {
            control.progress(done, reliability.samples);
        }
        return true;
    };
    if (!runBlocks(reliability.samples, SamplesPerBlock, control, work)) {
        return std::nullopt;
    }
    return result;
}

std::uint64_t leastCountReaching(std::uint64_t samples, double percent) {
    const double share = percent / 100;
    const auto reaches = [&](std::uint64_t count) { return static_cast<double>(count) / samples >= share; };
    auto count = static_cast<std::uint64_t>(std::clamp(std::ceil(share * samples), 0.0, double(samples)));
    while (count > 0 && reaches(count - 1)) {
        --count;
    }
    while (count < samples && !reaches(count)) {
        ++count;
    }
    return count;
}

// Wilson, E. B., "Probable inference, the law of succession, and statistical inference", Journal of the
// American Statistical Association 22, 1927: the shares p whose normal test against the observed share
// p^ = count / samples passes, (p^ + z^2 / 2n +- z sqrt(p^ (1 - p^) / n + z^2 / 4n^2)) / (1 + z^2 / n).
std::array<double, 2> wilsonInterval(std::uint64_t count, std::uint64_t samples, double confidencePercent) {
    const double z = standardNormalQuantile(0.5 + confidencePercent / 200);
    const double n = static_cast<double>(samples);
    const double share = count / n;
    const double scale = 1 + z * z / n;
    const double centre = (share + z * z / (2 * n)) / scale;
    const double half = z * std::sqrt(share * (1 - share) / n + z * z / (4 * n * n)) / scale;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

ReliabilitySummary summarizeReliability(const SimulatedDamage& damage, const FatigueSettings& fatigue,
                                        const std::optional<double>& reliabilityPercent) {
    ReliabilitySummary summary;
    summary.samples = damage.damagePercent.size();
    summary.faulted = damage.faults.size();
    summary.failures = summary.faulted;
    for (double value : damage.damagePercent) {
        summary.failures += value > fatigue.targetPercent ? 1 : 0;
    }
    summary.probabilityOfFailure = static_cast<double>(summary.failures) / summary.samples;
    summary.probabilityInterval = wilsonInterval(summary.failures, summary.samples, 95);
    summary.reliability = static_cast<double>(summary.samples - summary.failures) / summary.samples;
    if (summary.faulted == 0) {
        addMeans(damage, fatigue, summary);
    }
    std::vector<double> percents(std::begin(ReportedPercentiles), std::end(ReportedPercentiles));
    if (reliabilityPercent) {
        percents.push_back(*reliabilityPercent);
    }
    const std::vector<double> ranked = rankedDamages(damage);
    for (double percent : percents) {
        Percentile& percentile = summary.percentiles.emplace_back(Percentile{percent, {}, {}});
        const std::uint64_t rank = std::max<std::uint64_t>(1, leastCountReaching(summary.samples, percent));
        if (rank <= ranked.size()) {
            percentile.damagePercent = ranked[rank - 1];
            percentile.crackingPercent = crackingOf(ranked[rank - 1], fatigue);
        }
    }
    return summary;
}

std::optional<std::vector<ThicknessReliability>>
reliabilityAgainstThickness(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                            const ReliabilitySettings& reliability, int stride, const StudyControl& control) {
    StudyControl eachPoint = control;
    eachPoint.progress = nullptr;
    const int gridPoints = thicknessGridPoints(spectrum.units);
    std::vector<ThicknessReliability> curve;
    for (int index = 0; index < gridPoints; index += stride) {
        const std::optional<SimulatedDamage> damage = simulateDamage(
            spectrum, fatigue, reliability, eachPoint, thicknessGridText(spectrum.units, index));
        if (!damage) {
            return std::nullopt;
        }
        curve.push_back({thicknessGridValue(spectrum.units, index),
                         100 * summarizeReliability(*damage, fatigue, std::nullopt).reliability});
        if (control.progress) {
            control.progress(static_cast<std::uint64_t>(index + 1), static_cast<std::uint64_t>(gridPoints));
        }
    }
    return curve;
}

std::optional<ReliabilityStudy> runReliabilityStudy(const TrafficSpectrum& spectrum,
                                                    const FatigueSettings& fatigue,
                                                    const ReliabilitySettings& reliability,
                                                    const StudyControl& control) {
    ReliabilityStudy study;
    study.deterministic = computeFatigue(spectrum, fatigue);
    std::optional<SimulatedDamage> damage = simulateDamage(spectrum, fatigue, reliability, control);
    if (!damage) {
        return std::nullopt;
    }
    study.damage = std::move(*damage);
    study.summary = summarizeReliability(study.damage, fatigue, reliability.reliabilityPercent);
    if (reliability.reliabilityPercent) {
        study.deterministicThickness = solveThickness(spectrum, fatigue);
        study.thickness = solveThicknessAtReliability(spectrum, fatigue, reliability, control);
        if (!study.thickness) {
            return std::nullopt;
        }
    }
    return study;
}

} // namespace korvanex
