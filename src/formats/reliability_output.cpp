// SPDX-License-Identifier: Apache-2.0
#include "formats/reliability_output.h"

#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "formats/fatigue_output.h"
#include "formats/json_text.h"
#include "formats/scatter_json.h"
#include "io/csv_cell.h"

#include <ostream>

namespace korvanex {

namespace {

constexpr std::size_t LabelWidth = 18;
constexpr std::size_t FigureWidth = 11;
constexpr std::string_view NotKnown = "not known";

std::string percentText(const std::optional<double>& value) {
    return value ? formatFixed(*value, 2) : std::string(NotKnown);
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

std::string percentileName(double percent) {
    return "p" + doubleText(percent);
}

// One line of the figures table: the label, the mean, then each percentile.
std::string figuresLine(std::string label, const std::optional<double>& mean,
                        const std::vector<Percentile>& percentiles,
                        std::optional<double> Percentile::*figure) {
    label.resize(LabelWidth, ' ');
    std::string line = label + rightAligned(percentText(mean), FigureWidth);
    for (const Percentile& percentile : percentiles) {
        line += rightAligned(percentText(percentile.*figure), FigureWidth);
    }
    return line + "\n";
}

std::string figuresTable(const FatigueSettings& fatigue, const ReliabilityStudy& study) {
    const ReliabilitySummary& summary = study.summary;
    std::string header(LabelWidth, ' ');
    header += rightAligned("Mean", FigureWidth);
    for (std::size_t index = 0; index < summary.percentiles.size(); ++index) {
        const double percent = summary.percentiles[index].percent;
        header += rightAligned(index < std::size(ReportedPercentiles) ? percentileName(percent)
                                                                      : "at " + doubleText(percent) + " %",
                               FigureWidth);
    }
    std::string text =
        header + "\n" +
        figuresLine("Damage (%)", summary.meanDamagePercent, summary.percentiles, &Percentile::damagePercent);
    if (fatigue.model == FatigueModel::Power) {
        text += figuresLine("Slabs cracked (%)", summary.meanCrackingPercent, summary.percentiles,
                            &Percentile::crackingPercent);
    }
    return text;
}

std::string faultedLine(const SimulatedDamage& damage) {
    std::string line = "Faulted samples: " + std::to_string(damage.faults.size());
    if (!damage.faults.empty()) {
        const auto& [sample, fault] = *damage.faults.begin();
        line += ", counted as failures; the first: sample " + std::to_string(sample + 1) + ", " + fault;
    }
    return line + "\n";
}

std::string thicknessLines(const TrafficSpectrum& spectrum, const ReliabilitySettings& reliability,
                           const ReliabilityStudy& study) {
    if (!study.thickness || !study.deterministicThickness || !reliability.reliabilityPercent) {
        return {};
    }
    return "\nRequired slab thickness h1, deterministic: " +
           requiredThicknessText(*study.deterministicThickness, spectrum.units) +
           "\nRequired slab thickness h1 at " + doubleText(*reliability.reliabilityPercent) +
           " % reliability: " + requiredThicknessText(*study.thickness, spectrum.units) + "\n";
}

Json optionalNumber(const std::optional<double>& value) {
    return value ? Json(*value) : Json();
}

Json figuresJson(const ReliabilitySummary& summary, const std::optional<double>& mean,
                 std::optional<double> Percentile::*figure) {
    Json json;
    json["mean"] = optionalNumber(mean);
    for (std::size_t index = 0; index < summary.percentiles.size(); ++index) {
        const Percentile& percentile = summary.percentiles[index];
        const std::string key =
            index < std::size(ReportedPercentiles) ? percentileName(percentile.percent) : "at_reliability";
        json[key] = optionalNumber(percentile.*figure);
    }
    return json;
}

Json requiredJson(const std::optional<RequiredThickness>& thickness) {
    return thickness && thickness->status == RequiredThickness::Status::Found ? Json(thickness->h1) : Json();
}

} // namespace

std::string scatterText(const ReliabilitySettings& settings) {
    std::string text;
    for (const auto& [word, input] : ScatterInputWords) {
        const Scatter& scatter = settings.of(input);
        if (scatter.cov > 0) {
            text += (text.empty() ? "" : "   ") + std::string(word) + " " + doubleText(scatter.cov) + " " +
                    std::string(wordOf(ScatterDistributionWords, scatter.distribution));
        }
    }
    return text.empty() ? "none" : text;
}

std::string reliabilityTable(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                             const ReliabilitySettings& reliability, const ReliabilityStudy& study) {
    const ReliabilitySummary& summary = study.summary;
    const auto percent = [](double share) { return formatFixed(100 * share, 2) + " %"; };
    return fatigueSettingsLines(spectrum, fatigue) + "Scatter: " + scatterText(reliability) +
           "\nSamples: " + std::to_string(reliability.samples) +
           "   Seed: " + std::to_string(reliability.seed) +
           "\n\nDeterministic total damage: " + totalDamageText(study.deterministic) +
           "\nProbability of failure: " + percent(summary.probabilityOfFailure) +
           "   95 % interval: " + formatFixed(100 * summary.probabilityInterval[0], 2) + " to " +
           percent(summary.probabilityInterval[1]) + "\nReliability: " + percent(summary.reliability) + "\n" +
           faultedLine(study.damage) + "\n" + figuresTable(fatigue, study) +
           thicknessLines(spectrum, reliability, study);
}

std::string reliabilityJson(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                            const ReliabilitySettings& reliability, const ReliabilityStudy& study) {
    const ReliabilitySummary& summary = study.summary;
    Json json;
    addFatigueSettingsJson(json, spectrum, fatigue);
    json["scatter"] = scatterJson(reliability);
    json["samples"] = reliability.samples;
    json["seed"] = reliability.seed;
    json["deterministic_damage_percent"] = optionalNumber(study.deterministic.totalDamagePercent);
    json["probability_of_failure"] = summary.probabilityOfFailure;
    json["probability_interval"] = {summary.probabilityInterval[0], summary.probabilityInterval[1]};
    json["reliability"] = summary.reliability;
    json["faulted_samples"] = summary.faulted;
    json["damage_percent"] = figuresJson(summary, summary.meanDamagePercent, &Percentile::damagePercent);
    if (fatigue.model == FatigueModel::Power) {
        json["cracking_percent"] =
            figuresJson(summary, summary.meanCrackingPercent, &Percentile::crackingPercent);
    }
    if (reliability.reliabilityPercent) {
        json["reliability_percent"] = *reliability.reliabilityPercent;
        json["required_h1"] = requiredJson(study.thickness);
        json["deterministic_required_h1"] = requiredJson(study.deterministicThickness);
    }
    json["required_h1_units"] = lengthUnitWord(spectrum.units);
    return jsonText(json);
}

void writeReliabilityCsv(std::ostream& out, const FatigueSettings& fatigue,
                         const ReliabilitySettings& reliability, const SimulatedDamage& damage) {
    const bool power = fatigue.model == FatigueModel::Power;
    std::string text = "sample,";
    for (const auto& [word, input] : ScatterInputWords) {
        text += reliability.of(input).cov > 0 ? std::string(word) + "_factor," : "";
    }
    text += power ? "status,damage_percent,cracking_percent\n" : "status,damage_percent\n";
    for (std::uint64_t sample = 0; sample < damage.damagePercent.size() && out; ++sample) {
        text += std::to_string(sample + 1);
        const SampleFactors factors = sampleFactors(reliability, sample);
        for (const auto& [word, input] : ScatterInputWords) {
            if (reliability.of(input).cov > 0) {
                text += ',';
                appendDoubleText(text, factors[static_cast<std::size_t>(input)]);
            }
        }
        const auto fault = damage.faults.find(sample);
        text += ',';
        if (fault != damage.faults.end()) {
            appendCsvCell(text, "fault: " + fault->second);
            text += power ? ",,\n" : ",\n";
        } else {
            const double total = damage.damagePercent[sample];
            text += "ok," + doubleText(total) +
                    (power ? "," + doubleText(crackingPercent(total, fatigue.constants)) : std::string()) +
                    "\n";
        }
        if (text.size() > 65536) {
            out << text;
            text.clear();
        }
    }
    out << text;
}

} // namespace korvanex
