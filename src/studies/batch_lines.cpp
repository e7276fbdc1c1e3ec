#include "studies/batch_lines.h"

#include "case/case_check.h"
#include "case/fault.h"
#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "engine/compute_stresses.h"
#include "engine/result_fields.h"
#include "io/csv_cell.h"

#include <array>

namespace korvanex {

namespace {

// The result columns in the order of the report's quantities: the radius, the eleven ratios, the
// composition of the stresses, then the edge model.
constexpr std::string_view resultColumnNames[] = {
    "l",
    "a_l",
    "D0_l",
    "AGG_kl",
    "L_l",
    "W_l",
    "DP",
    "DG",
    "ADT",
    "s_l",
    "t_l",
    "d_l",
    "WestergaardStress",
    "GearFactor",
    "OtherWheelsFactor",
    "InfiniteSlabStress",
    "SlabSizeFactor",
    "TiedFactor",
    "WidenedFactor",
    "SecondLayerFactor",
    "LoadingStressOnly",
    "CurlStress",
    "SlabSizeLosFactor",
    "LoadCurlFactor",
    "CombinedStress",
    "MdEdgeInfSlab",
    "MdSecondLayer",
    "MdSlabSize",
    "MdTiedShoulder",
    "MdWidenedLane",
    "MdCurlStress",
    "MdTopLayerStress",
    "MdCombinedStress",
    "MdBottomLayerStress",
};
constexpr std::size_t ResultColumnCount = std::size(resultColumnNames);

using ResultColumns = std::array<const ResultField*, ResultColumnCount>;

ResultColumns findResultColumns() {
    ResultColumns columns{};
    for (std::size_t index = 0; index < ResultColumnCount; ++index) {
        for (const ResultField& field : resultFields()) {
            if (field.name == resultColumnNames[index]) {
                columns[index] = &field;
            }
        }
    }
    return columns;
}

const ResultColumns& resultColumns() {
    static const ResultColumns columns = findResultColumns();
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

void beginRow(std::string& text, std::span<const std::string> inputCells, std::string_view status,
              std::string_view warnings) {
    for (const std::string& cell : inputCells) {
        appendCsvCell(text, cell);
        text.push_back(',');
    }
    appendCsvCell(text, status);
    text.push_back(',');
    appendCsvCell(text, warnings);
}

void endEmptyRow(std::string& text) {
    text.append(ResultColumnCount, ',');
    text.push_back('\n');
}

} // namespace

void BatchLines::header(std::string& text, std::span<const std::string> inputNames) {
    for (const std::string& name : inputNames) {
        appendCsvCell(text, name);
        text.push_back(',');
    }
    text.append("status,warnings");
    for (std::string_view name : resultColumnNames) {
        text.push_back(',');
        text.append(name);
    }
    text.push_back('\n');
}

void BatchLines::computed(std::string& text, std::span<const std::string> inputCells,
                          const AnalysisCase& record, const FieldNumbers& numbers) {
    const CaseCheck check = checkCaseFields(record, numbers);
    if (!check.refusal.empty()) {
        error(text, inputCells, check.refusal);
        return;
    }
    warnings_.clear();
    for (const std::string& warning : check.warnings) {
        if (!warnings_.empty()) {
            warnings_.append("; ");
        }
        warnings_.append(warning);
    }
    results_ = AnalysisResults{};
    try {
        computeStresses(record, numbers, results_);
    } catch (const FloatingPointFault& fault) {
        beginRow(text, inputCells, "fault: " + fault.routine(), warnings_);
        endEmptyRow(text);
        return;
    }
    beginRow(text, inputCells, "ok", warnings_);
    const bool edgeModelRan = runsEdgeStressModel(record);
    for (const ResultField* field : resultColumns()) {
        text.push_back(',');
        if (field->group != ResultGroup::EdgeModel || edgeModelRan) {
            appendResultCell(text, results_, *field, record.units);
        }
    }
    text.push_back('\n');
}

void BatchLines::error(std::string& text, std::span<const std::string> inputCells, std::string_view what) {
    beginRow(text, inputCells, "error: " + std::string(what), "");
    endEmptyRow(text);
}

} // namespace korvanex
