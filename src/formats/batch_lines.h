// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/batch_row.h"

#include <span>
#include <string>

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

    void row(std::string& text, std::span<const std::string> inputCells,
             const RowOutcome& outcome) const override;
};

} // namespace korvanex
