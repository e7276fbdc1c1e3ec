// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "studies/batch_row.h"

#include <iosfwd>
#include <string>

namespace korvanex {

// One numeric field stepped over a range: `points` values evenly spaced from `from` to `to`, both
// ends included; a single point is `from` alone.
struct SweepRange {
    Field field = Field::h1;
    double from = 0;
    double to = 0;
    int points = 1;
};

// The field text of point `index` (from 0): the value rounded to single precision, as the analysis
// stores it, written in the fewest decimal digits that read back as that same float.
std::string sweepPointText(const SweepRange& range, int index);

// Computes the case once per point with the field's text replaced, and writes the rows of a batch
// through the row writer: every input column of the case under its batch name, so that each row is
// a complete, self-describing case, then the point's outcome. A failed output stream stops the sweep
// early.
void runSweep(const AnalysisCase& base, const SweepRange& range, std::ostream& out, const RowWriter& writer);

} // namespace korvanex
