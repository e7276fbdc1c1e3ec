// SPDX-License-Identifier: Apache-2.0
#include "formats/batch_lines.h"

#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "engine/result_fields.h"
#include "formats/plate_text.h"
#include "io/csv_cell.h"

#include <array>

namespace korvanex {

namespace {

using R = AnalysisResults;

// The result columns in the order of the report's quantities: the radius, the eleven ratios, the
// composition of the stresses, then the edge model.
const auto& resultColumns() {
    static const std::array columns = {
        &resultFieldOf(&R::l),
        &resultFieldOf(&R::a_l),
        &resultFieldOf(&R::D0_l),
        &resultFieldOf(&R::AGG_kl),
        &resultFieldOf(&R::L_l),
        &resultFieldOf(&R::W_l),
        &resultFieldOf(&R::DP),
        &resultFieldOf(&R::DG),
        &resultFieldOf(&R::ADT),
        &resultFieldOf(&R::s_l),
        &resultFieldOf(&R::t_l),
        &resultFieldOf(&R::d_l),
        &resultFieldOf(&R::WestergaardStress),
        &resultFieldOf(&R::GearFactor),
        &resultFieldOf(&R::OtherWheelsFactor),
        &resultFieldOf(&R::InfiniteSlabStress),
        &resultFieldOf(&R::SlabSizeFactor),
        &resultFieldOf(&R::TiedFactor),
        &resultFieldOf(&R::WidenedFactor),
        &resultFieldOf(&R::SecondLayerFactor),
        &resultFieldOf(&R::LoadingStressOnly),
        &resultFieldOf(&R::CurlStress),
        &resultFieldOf(&R::SlabSizeLosFactor),
        &resultFieldOf(&R::LoadCurlFactor),
        &resultFieldOf(&R::CombinedStress),
        &resultFieldOf(&R::MdEdgeInfSlab),
        &resultFieldOf(&R::MdSecondLayer),
        &resultFieldOf(&R::MdSlabSize),
        &resultFieldOf(&R::MdTiedShoulder),
        &resultFieldOf(&R::MdWidenedLane),
        &resultFieldOf(&R::MdCurlStress),
        &resultFieldOf(&R::MdTopLayerStress),
        &resultFieldOf(&R::MdCombinedStress),
        &resultFieldOf(&R::MdBottomLayerStress),
    };
    return columns;
}

// Stresses are computed in psi and the radius in inches; metric rows show them in kPa and cm.
double inRowUnits(double value, ResultKind kind, UnitSystem units) {
    switch (kind) {
    case ResultKind::Stress:
        return inStressUnit(value, units);
    case ResultKind::Length:
        return inLengthUnit(value, units);
    case ResultKind::Factor:
        break;
    }
    return value;
}

void appendResultCell(std::string& text, const AnalysisResults& results, const ResultField& field,
                      UnitSystem units) {
    const double value = inRowUnits(resultValue(results, field), field.kind, units);
    if (field.wide != nullptr) {
        appendDoubleText(text, value);
    } else {
        appendFloatText(text, static_cast<float>(value));
    }
}

void appendStatus(std::string& text, const RowOutcome& outcome) {
    switch (outcome.status) {
    case RowOutcome::Status::Fault:
        appendCsvCell(text, "fault: " + outcome.what);
        return;
    case RowOutcome::Status::Error:
        appendCsvCell(text, "error: " + outcome.what);
        return;
    case RowOutcome::Status::Ok:
        break;
    }
    text.append("ok");
}

void appendWarnings(std::string& text, const std::vector<std::string>& warnings) {
    if (warnings.empty()) {
        return;
    }
    std::string joined = warnings.front();
    for (std::size_t index = 1; index < warnings.size(); ++index) {
        joined.append("; ");
        joined.append(warnings[index]);
    }
    appendCsvCell(text, joined);
}

std::size_t plateColumnCount(const RowOutcome& outcome) {
    return outcome.plateColumns ? plateFigures(PlateResults{}).size() : 0;
}

// The plate model's numbers in the row's units: stresses in psi or kPa and deflections in inches or
// cm as floats, the reaction in lbs or kN as the double it is.
void appendPlateCells(std::string& text, const PlateResults& plate, UnitSystem units) {
    for (const PlateFigure& figure : plateFigures(plate)) {
        text.push_back(',');
        switch (figure.unit) {
        case PlateUnit::Face:
            text.append(figure.face);
            break;
        case PlateUnit::Load:
            appendDoubleText(text, inLoadUnit(figure.value, units));
            break;
        case PlateUnit::Stress:
            appendFloatText(text, static_cast<float>(inStressUnit(figure.value, units)));
            break;
        case PlateUnit::Length:
            appendFloatText(text, static_cast<float>(inLengthUnit(figure.value, units)));
            break;
        }
    }
}

} // namespace

void BatchLines::header(std::string& text, std::span<const std::string> inputNames, bool plateColumns) const {
    for (const std::string& name : inputNames) {
        appendCsvCell(text, name);
        text.push_back(',');
    }
    text.append("status,warnings");
    for (const ResultField* field : resultColumns()) {
        text.push_back(',');
        text.append(field->name);
    }
    if (plateColumns) {
        for (const PlateFigure& figure : plateFigures(PlateResults{})) {
            text.append(",plate_");
            text.append(figure.name);
        }
    }
    text.push_back('\n');
}

void BatchLines::row(std::string& text, std::span<const std::string> inputCells,
                     const RowOutcome& outcome) const {
    for (const std::string& cell : inputCells) {
        appendCsvCell(text, cell);
        text.push_back(',');
    }
    appendStatus(text, outcome);
    text.push_back(',');
    appendWarnings(text, outcome.warnings);
    if (outcome.status != RowOutcome::Status::Ok) {
        text.append(resultColumns().size() + plateColumnCount(outcome), ',');
        text.push_back('\n');
        return;
    }
    for (const ResultField* field : resultColumns()) {
        text.push_back(',');
        if (field->group != ResultGroup::EdgeModel || outcome.edgeModelRan) {
            appendResultCell(text, outcome.results, *field, outcome.units);
        }
    }
    if (outcome.plate) {
        appendPlateCells(text, *outcome.plate, outcome.units);
    } else {
        text.append(plateColumnCount(outcome), ',');
    }
    text.push_back('\n');
}

} // namespace korvanex
