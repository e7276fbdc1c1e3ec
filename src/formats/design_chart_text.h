// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "studies/design_chart_data.h"

#include <span>
#include <string>

namespace korvanex {

// The label of crossings that lie close together, e.g. "h1 = 8.73" or "h1 = 6.30, 6.39": the
// field's symbol and each value with enough decimals to tell apart values a thousandth of the range's
// span apart, a value that reads the same as the one before it written once.
std::string crossingLabel(Field field, std::span<const double> values, double span);

// The chart's data as CSV: the units word, the field under its record name, the status ("ok" or
// "fault: " and the routine) and the curves' stresses, rounded to single precision as stored, each
// the shortest text that reads back as that float; one row per point.
std::string designChartCsv(const DesignChartData& data);

} // namespace korvanex
