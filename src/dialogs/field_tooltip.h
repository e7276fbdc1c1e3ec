// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <QString>

namespace korvanex {

// The tooltip of a numeric field: what the value means, its unit (as the field's caption names it) and
// its typical range in the case's unit system, as the check on OK takes it; rich text, so that it wraps.
QString fieldToolTip(const AnalysisCase& record, Field field);

} // namespace korvanex
