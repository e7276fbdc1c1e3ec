// SPDX-License-Identifier: Apache-2.0
#include "formats/plate_text.h"

#include "case/case_words.h"
#include "case/field_value.h"
#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "formats/json_text.h"

#include <algorithm>

namespace korvanex {

namespace {

constexpr std::size_t LabelWidth = 42;
constexpr std::size_t ColumnWidth = 13;

const PlateResponse& loading(const PlateResults& results) {
    return results.response(PlateState::Loading);
}

std::string rightAligned(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string leftAligned(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// The plate's numbers in the case's units.
class CaseUnits {
  public:
    explicit CaseUnits(UnitSystem units) : units_(units) {}

    std::string stress(double psi) const { return formatFixed(inStressUnit(psi, units_), 1); }
    std::string stressWithUnit(double psi) const {
        return stress(psi) + " " + std::string(stressUnitWord(units_));
    }
    std::string length(double inches, int decimals) const {
        return formatFixed(inLengthUnit(inches, units_), decimals) + " " +
               std::string(lengthUnitWord(units_));
    }
    std::string load(double pounds) const {
        return formatFixed(inLoadUnit(pounds, units_), 1) + " " + std::string(loadUnitWord(units_));
    }
    std::string point(PlanPoint at) const { return "x = " + length(at.x, 2) + ", y = " + length(at.y, 2); }
    std::string_view stressUnit() const { return stressUnitWord(units_); }

  private:
    UnitSystem units_;
};

std::string differenceText(double analysis, double plate) {
    if (analysis == 0) {
        return plate == 0 ? "none" : "undefined";
    }
    return formatSignedFixed((plate - analysis) / analysis * 100, 1) + " %";
}

std::string loadLine(const PlateComparison& comparison, const CaseUnits& units) {
    const std::vector<PlateTire>& tires = comparison.model.tires;
    const PlateTire& tire = tires.front();
    if (comparison.options.load == PlateLoad::SingleTire) {
        return "Load: one tire of " + units.load(tire.load) + " on a square of " +
               units.length(tire.side, 2) + ", as the closed forms place it";
    }
    return "Load: the whole gear, " + std::to_string(tires.size()) + " tires of " + units.load(tire.load) +
           " on squares of " + units.length(tire.side, 2);
}

std::vector<std::string> headLines(const AnalysisCase& record, const PlateComparison& comparison,
                                   const CaseUnits& units) {
    const PlateModel& model = comparison.model;
    const PlateResults& plate = comparison.plate;
    return {
        "Plate model beside the fitted factors: " + std::string(wordOf(LocationTitles, record.location)) +
            ", " + std::string(gearName(record.gear)),
        loadLine(comparison, units),
        model.shoulderWidth > 0 ? "Tied shoulder " + units.length(model.shoulderWidth, 1) + " wide"
                                : "No tied shoulder",
        "Mesh: " + std::string(wordOf(PlateMeshWords, comparison.options.mesh)) + ", " +
            std::to_string(plate.elementCount) + " elements, " + std::to_string(plate.unknownCount) +
            " unknowns",
    };
}

// The analysis's stresses under the report's names beside the plate model's largest tensile stress of
// the same load case.
std::vector<std::vector<std::string>> stressRows(const AnalysisCase& record,
                                                 const PlateComparison& comparison, const CaseUnits& units) {
    const AnalysisResults& analysis = comparison.analysis;
    const std::string unit = " (" + std::string(units.stressUnit()) + ")";
    const std::string curling = record.location == WheelLocation::Edge
                                    ? "Westergaard Edge Curling Stress"
                                    : "Westergaard Interior Curling Stress";
    struct Row {
        std::string label;
        float analysis;
        PlateState state;
    };
    const Row rows[] = {
        {"Loading Stress Only", analysis.LoadingStressOnly, PlateState::Loading},
        {curling, analysis.CurlStress, PlateState::Curling},
        {"Combined Loading & Curling Stress", analysis.CombinedStress, PlateState::Combined},
    };
    std::vector<std::vector<std::string>> cells;
    for (const Row& row : rows) {
        const float plate = comparison.plate.response(row.state).largest().stress;
        cells.push_back({row.label + unit, units.stress(row.analysis), units.stress(plate),
                         differenceText(row.analysis, plate)});
    }
    return cells;
}

std::string tableRow(const std::vector<std::string>& cells) {
    return leftAligned(cells[0], LabelWidth) + rightAligned(cells[1], ColumnWidth) +
           rightAligned(cells[2], ColumnWidth) + rightAligned(cells[3], ColumnWidth);
}

std::string referenceText(WheelLocation location) {
    switch (location) {
    case WheelLocation::Edge:
        return "on the outer edge beside the first tire";
    case WheelLocation::Corner:
        return "at the slab's corner";
    case WheelLocation::Interior:
        break;
    }
    return "under the first tire's centre";
}

std::string largestLine(const PlateResponse& response, const CaseUnits& units) {
    const PlateFace face = response.criticalFace();
    const PlateFaceStress& largest = response.stress(face);
    return units.stressWithUnit(largest.stress) + " at the " + std::string(wordOf(PlateFaceWords, face)) +
           ", " + units.point(largest.at);
}

// Where the plate model's largest stresses act, its deflections and its reaction; under the load and
// curling only where the case has a temperature differential.
std::vector<std::string> plateLines(const AnalysisCase& record, const PlateComparison& comparison,
                                    const CaseUnits& units) {
    const PlateResponse& load = loading(comparison.plate);
    std::vector<std::string> lines = {
        "Plate model " + std::string(plateStateName(PlateState::Loading)) + ":",
        "  Largest tensile stress: " + largestLine(load, units),
        "  Deflection " + referenceText(record.location) + ": " + units.length(load.referenceDeflection, 5),
        "  Largest deflection: " + units.length(load.maxDeflection, 5) + " at " +
            units.point(load.maxDeflectionAt),
        "  Foundation reaction: " + units.load(load.totalReaction) + " against a load of " +
            units.load(comparison.plate.appliedLoad) + " on the plates",
    };
    if (numericPrefix(record.F) != 0) {
        lines.push_back("Plate model " + std::string(plateStateName(PlateState::Combined)) + ":");
        lines.push_back("  Largest tensile stress: " +
                        largestLine(comparison.plate.response(PlateState::Combined), units));
    }
    return lines;
}

// "L_l" as the report labels it: "L/l".
std::string ratioLabel(std::string_view name) {
    std::string label(name);
    std::replace(label.begin(), label.end(), '_', '/');
    return label;
}

std::vector<std::string> clampedLines(const std::vector<ClampedRatio>& clamped) {
    if (clamped.empty()) {
        return {"No ratio was clamped to the range the fitted models were fitted on."};
    }
    std::vector<std::string> lines = {"Ratios clamped to the range the fitted models were fitted on:"};
    for (const ClampedRatio& ratio : clamped) {
        lines.push_back("  " + ratioLabel(ratio.field->name) + " = " + formatFixed(ratio.given, 3) +
                        ", computed as " + formatFixed(ratio.used, 3));
    }
    return lines;
}

} // namespace

std::string_view plateStateName(PlateState state) {
    switch (state) {
    case PlateState::Curling:
        return "under curling alone";
    case PlateState::Combined:
        return "under the load and curling";
    case PlateState::Loading:
        break;
    }
    return "under the load alone";
}

std::vector<PlateFigure> plateFigures(const PlateResults& results) {
    const PlateResponse& load = loading(results);
    const PlateFace face = load.criticalFace();
    return {
        {"loading_stress", PlateUnit::Stress, load.stress(face).stress, {}},
        {"loading_stress_face", PlateUnit::Face, 0, wordOf(PlateFaceWords, face)},
        {"curling_stress", PlateUnit::Stress, results.response(PlateState::Curling).largest().stress, {}},
        {"combined_stress", PlateUnit::Stress, results.response(PlateState::Combined).largest().stress, {}},
        {"reference_deflection", PlateUnit::Length, load.referenceDeflection, {}},
        {"max_deflection", PlateUnit::Length, load.maxDeflection, {}},
        {"total_reaction", PlateUnit::Load, load.totalReaction, {}},
    };
}

PlateComparisonParts plateComparisonParts(const AnalysisCase& record, const PlateComparison& comparison) {
    const CaseUnits units(record.units);
    return {headLines(record, comparison, units),
            {"", "Analysis", "Plate Model", "Difference"},
            stressRows(record, comparison, units),
            plateLines(record, comparison, units),
            clampedLines(comparison.clamped)};
}

std::vector<std::string> plateComparisonText(const AnalysisCase& record, const PlateComparison& comparison) {
    const PlateComparisonParts parts = plateComparisonParts(record, comparison);
    std::vector<std::string> table = {tableRow(parts.headings)};
    for (const std::vector<std::string>& row : parts.stresses) {
        table.push_back(tableRow(row));
    }
    std::vector<std::string> lines = parts.head;
    for (const std::vector<std::string>& part : {table, parts.plate, parts.clamped}) {
        lines.emplace_back();
        lines.insert(lines.end(), part.begin(), part.end());
    }
    return lines;
}

std::string plateFaultText(const FloatingPointFault& fault) {
    return "The plate model was not compared: the computation stopped on a floating-point fault in " +
           fault.routine() + " (" + fault.step() +
           "). Please check k, h1, E1, μ1, the tire pressure and the two-layer values.";
}

std::string plateComparisonJson(const PlateComparison& comparison) {
    Json json;
    Json& plate = json["plate"] = Json::object();
    for (const PlateFigure& figure : plateFigures(comparison.plate)) {
        const std::string name(figure.name);
        switch (figure.unit) {
        case PlateUnit::Face:
            plate[name] = figure.face;
            break;
        case PlateUnit::Load:
            plate[name] = figure.value;
            break;
        case PlateUnit::Stress:
        case PlateUnit::Length:
            plate[name] = jsonFloat(static_cast<float>(figure.value));
            break;
        }
    }
    const AnalysisResults& analysis = comparison.analysis;
    json["analysis"] = {{"loading_stress", jsonFloat(analysis.LoadingStressOnly)},
                        {"curling_stress", jsonFloat(analysis.CurlStress)},
                        {"combined_stress", jsonFloat(analysis.CombinedStress)}};
    Json& clamped = json["clamped"] = Json::array();
    for (const ClampedRatio& ratio : comparison.clamped) {
        clamped.push_back(ratio.field->name);
    }
    return jsonText(json);
}

} // namespace korvanex
