// SPDX-License-Identifier: Apache-2.0
#include "studies/batch_row.h"

#include "case/case_check.h"
#include "case/case_words.h"
#include "case/fault.h"
#include "engine/analysis_driver.h"
#include "engine/compute_stresses.h"
#include "plate/plate_case.h"

#include <algorithm>

#include <utility>

namespace korvanex {

namespace {

// A plate cell: yes or no in any case, or empty or blank for no.
bool readPlateCell(std::string_view cell, bool& withPlate) {
    const std::string_view word = trimmed(cell);
    const std::optional<bool> yes = valueIgnoringCase(YesNoCellWords, word);
    withPlate = yes.value_or(false);
    return word.empty() || yes.has_value();
}

} // namespace

BatchRowCases::BatchRowCases(std::vector<const CaseColumn*> columns)
    : columns_(std::move(columns)), english_(AnalysisCase::defaults(UnitSystem::English)),
      metric_(AnalysisCase::defaults(UnitSystem::Metric)), englishNumbers_(readFieldNumbers(english_)),
      metricNumbers_(readFieldNumbers(metric_)) {
    const auto plate = std::find(columns_.begin(), columns_.end(), nullptr);
    if (plate != columns_.end()) {
        platePosition_ = static_cast<std::size_t>(plate - columns_.begin());
    }
}

std::string BatchRowCases::build(std::vector<std::string>& cells, AnalysisCase& record, FieldNumbers& numbers,
                                 bool& withPlate) const {
    withPlate = false;
    if (std::string what = rowWidthProblem(cells.size(), columns_.size()); !what.empty()) {
        cells.resize(columns_.size());
        return what;
    }
    UnitSystem units = UnitSystem::English;
    if (std::string error = readRowUnits(columns_, cells, units); !error.empty()) {
        return error;
    }
    const bool metric = units == UnitSystem::Metric;
    // Assigning over the previous row's record reuses its storage.
    record = metric ? metric_ : english_;
    if (std::string error = applyCaseCells(columns_, cells, record); !error.empty()) {
        return error;
    }
    if (platePosition_ && !readPlateCell(cells[*platePosition_], withPlate)) {
        return "unknown plate " + quoted(cells[*platePosition_]);
    }
    numbers = metric ? metricNumbers_ : englishNumbers_;
    for (std::size_t position = 0; position < columns_.size(); ++position) {
        const CaseColumn* column = columns_[position];
        if (column != nullptr && column->kind == CaseColumn::Kind::Number) {
            const Field field = column->field;
            numbers[static_cast<std::size_t>(field)] = readFieldNumber(record.text(field));
        }
    }
    return {};
}

void RowOutcome::fail(std::string problem) {
    status = Status::Error;
    what = std::move(problem);
    warnings.clear();
    plate.reset();
}

void computeRow(const AnalysisCase& record, const FieldNumbers& numbers, RowOutcome& outcome,
                bool withPlate) {
    outcome.plate.reset();
    CaseCheck check = checkCaseFields(record, numbers);
    if (!check.refusal.empty()) {
        outcome.fail(std::move(check.refusal));
        return;
    }
    outcome.warnings = std::move(check.warnings);
    outcome.units = record.units;
    outcome.edgeModelRan = runsEdgeStressModel(record);
    outcome.results = AnalysisResults{};
    try {
        computeStresses(record, numbers, outcome.results);
        if (withPlate) {
            outcome.plate = analysePlate(record);
        }
    } catch (const FloatingPointFault& fault) {
        outcome.status = RowOutcome::Status::Fault;
        outcome.what = fault.routine();
        return;
    }
    outcome.status = RowOutcome::Status::Ok;
}

} // namespace korvanex
