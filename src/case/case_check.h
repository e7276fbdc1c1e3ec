// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"

#include <string>
#include <vector>

namespace korvanex {

// What the dialogs' input check says of a whole case where no dialog asks the user: for the command
// line, a batch row, or any case read from a file.
struct CaseCheck {
    // The dialogs' invalid-number message of the first field whose text is not a number of 0 or more
    // ("L is an invalid number; please try again!"); empty when every field is accepted. ΔT alone may
    // be negative (a top colder than the bottom), but its text must still read as a number.
    std::string refusal;
    // The range text of each field outside its typical range ("h1 is not within the typical data
    // range( 4,  20)"), in the dialogs' order; ΔT by its magnitude. Like the dialogs, h2 and E2 are
    // checked only for two layers, d0 only with a widened lane and AGG only with a tied shoulder.
    std::vector<std::string> warnings;
};

// Checks every field that a dialog checks, in the order the dialogs check them (pavement, axle,
// environment), in the case's unit system.
CaseCheck checkCaseFields(const AnalysisCase& record);
// The same check on the case's field texts as already read.
CaseCheck checkCaseFields(const AnalysisCase& record, const FieldNumbers& numbers);

} // namespace korvanex
