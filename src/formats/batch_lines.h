// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "engine/result_fields.h"
#include "formats/plate_text.h"
#include "studies/batch_row.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvanex {

// The lines of a result CSV, as a batch and a sweep write them: the input cells as given, the status
// ("ok", "fault: " and the routine, or "error: " and what is wrong), the warnings joined by "; ",
// then the results in the row's own units as the report shows them (stresses in psi or kPa, the
// radius in inches or cm, factors and ratios as they are). Each result is the shortest text that
// reads back as its value: a stress converted to kPa is rounded to single precision as every stored
// result is, and the radius, kept in double precision, is written as the double. A row that was not
// computed has every result cell empty, and the edge model's cells stay empty where that model does
// not run; the plate model's cells stay empty in a row that does not ask for it. Lines end in LF; a cell is
// quoted only when it holds a comma, a double quote or a line break.
class BatchLines final : public RowWriter {
  public:
    // The input column names, then "status", "warnings" and the result columns, then the plate model's
    // columns where asked for: "plate_" and the name of each of its numbers (plateFigures).
    void header(std::string& text, std::span<const std::string> inputNames, bool plateColumns) const override;

    void row(std::string& text, std::size_t place, std::span<const std::string> inputCells,
             const RowOutcome& outcome) const override;
};

// The parts of a row, for a front end that keeps the rows as values rather than text.

// The result columns after "status" and "warnings", in their order.
std::span<const ResultField* const> rowResultFields();

// "ok", "fault: " and the routine, or "error: " and what is wrong.
std::string rowStatusText(const RowOutcome& outcome);

// The warnings joined by "; "; empty when there are none.
std::string rowWarningsText(const RowOutcome& outcome);

// A result of the row in the row's own units: none where its cell stays empty (a row that was not
// computed, or an edge-model result where that model does not run). A result kept in single
// precision is the float it is written as, the radius the double.
std::optional<double> rowResultValue(const RowOutcome& outcome, const ResultField& field);

// The plate model's columns: "plate_" and the name of each of its numbers (plateFigures).
std::vector<std::string> plateColumnNames();

// The plate model's numbers of a row in the row's own units, in the order of its columns: stresses in
// psi or kPa and deflections in inches or cm rounded to single precision, the reaction in lbs or kN the
// double it is, the face its word. None where the row has no plate result.
std::vector<PlateFigure> rowPlateFigures(const RowOutcome& outcome);

} // namespace korvanex
