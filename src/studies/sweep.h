#pragma once

#include "case/analysis_case.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace korvanex {

// The most points one sweep computes: a safeguard against a mistyped count.
inline constexpr int MaxSweepPoints = 1000000;

// One numeric field stepped over a range: `points` values evenly spaced from `from` to `to`, both
// ends included; a single point is `from` alone.
struct SweepRange {
    Field field = Field::h1;
    double from = 0;
    double to = 0;
    int points = 1;
};

// Reads FIELD=FROM:TO:STEPS: FIELD a numeric column name of a batch file (any case), FROM and TO
// numbers within single precision, STEPS the number of points from 1 to MaxSweepPoints. Returns an
// empty string on success, otherwise what is wrong with the text.
std::string parseSweepRange(std::string_view text, SweepRange& range);

// The field text of point `index` (from 0): the value rounded to single precision, as the analysis
// stores it, written in the fewest decimal digits that read back as that same float.
std::string sweepPointText(const SweepRange& range, int index);

// Computes the case once per point with the field's text replaced, and writes the same CSV as a
// batch run: every input column of the case under its batch name, so that each row is a complete,
// self-describing case, then the status, the warnings and the results. A failed output stream stops
// the sweep early.
void runSweep(const AnalysisCase& base, const SweepRange& range, std::ostream& out);

} // namespace korvanex
