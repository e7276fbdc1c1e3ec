#pragma once

#include "case/analysis_case.h"

#include <functional>

class QDialog;
class QHBoxLayout;

namespace korvanex {

// Creating an input dialog is the first use of its part of the case: the part gets its captions
// and defaults for the unit system in force before any field shows them.
AnalysisCase& initialisedPart(AnalysisCase& record, RecordPart part);

// The "&OK" and "&Cancel" buttons of an input dialog (object names OK and Cancel), right-aligned.
QHBoxLayout* okCancelRow(QDialog* dialog, const std::function<void()>& ok,
                         const std::function<void()>& cancel);

} // namespace korvanex
