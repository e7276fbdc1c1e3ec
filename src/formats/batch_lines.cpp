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

} // namespace

std::span<const ResultField* const> rowResultFields() {
    return resultColumns();
}

std::string rowStatusText(const RowOutcome& outcome) {
    switch (outcome.status) {
    case RowOutcome::Status::Fault:
        return "fault: " + outcome.what;
    case RowOutcome::Status::Error:
        return "error: " + outcome.what;
    case RowOutcome::Status::Ok:
        break;
    }
    return "ok";
}

std::string rowWarningsText(const RowOutcome& outcome) {
    std::string joined;
    for (const std::string& warning : outcome.warnings) {
        if (!joined.empty()) {
            joined.append("; ");
        }
        joined.append(warning);
    }
    return joined;
}

std::optional<double> rowResultValue(const RowOutcome& outcome, const ResultField& field) {
    if (outcome.status != RowOutcome::Status::Ok ||
        (field.group == ResultGroup::EdgeModel && !outcome.edgeModelRan)) {
        return std::nullopt;
    }
    const double value = inRowUnits(resultValue(outcome.results, field), field.kind, outcome.units);
    return field.wide != nullptr ? value : static_cast<float>(value);
}

std::vector<std::string> plateColumnNames() {
    std::vector<std::string> names;
    for (const PlateFigure& figure : plateFigures(PlateResults{})) {
        names.push_back("plate_" + std::string(figure.name));
    }
    return names;
}

std::vector<PlateFigure> rowPlateFigures(const RowOutcome& outcome) {
    if (!outcome.plate) {
        return {};
    }
    std::vector<PlateFigure> figures = plateFigures(*outcome.plate);
    for (PlateFigure& figure : figures) {
        switch (figure.unit) {
        case PlateUnit::Face:
            break;
        case PlateUnit::Load:
            figure.value = inLoadUnit(figure.value, outcome.units);
            break;
        case PlateUnit::Stress:
            figure.value = static_cast<float>(inStressUnit(figure.value, outcome.units));
            break;
        case PlateUnit::Length:
            figure.value = static_cast<float>(inLengthUnit(figure.value, outcome.units));
            break;
        }
    }
    return figures;
}

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
        for (const std::string& name : plateColumnNames()) {
            text.push_back(',');
            text.append(name);
        }
    }
    text.push_back('\n');
}

void BatchLines::row(std::string& text, std::size_t, std::span<const std::string> inputCells,
                     const RowOutcome& outcome) const {
    for (const std::string& cell : inputCells) {
        appendCsvCell(text, cell);
        text.push_back(',');
    }
    appendCsvCell(text, rowStatusText(outcome));
    text.push_back(',');
    appendCsvCell(text, rowWarningsText(outcome));
    for (const ResultField* field : resultColumns()) {
        text.push_back(',');
        if (const std::optional<double> value = rowResultValue(outcome, *field)) {
            if (field->wide != nullptr) {
                appendDoubleText(text, *value);
            } else {
                appendFloatText(text, static_cast<float>(*value));
            }
        }
    }
    if (outcome.plate) {
        for (const PlateFigure& figure : rowPlateFigures(outcome)) {
            text.push_back(',');
            if (figure.unit == PlateUnit::Face) {
                text.append(figure.face);
            } else if (figure.unit == PlateUnit::Load) {
                appendDoubleText(text, figure.value);
            } else {
                appendFloatText(text, static_cast<float>(figure.value));
            }
        }
    } else if (outcome.plateColumns) {
        text.append(plateColumnNames().size(), ',');
    }
    text.push_back('\n');
}

} // namespace korvanex
