// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

class QChartView;
class QPrinter;

namespace korvanex {

// Prints lines of text in a fixed-pitch font, scaled down where the widest would not fit the width of
// the page, on as many pages as they take, then the chart below them, or on a page of its own where
// less than half a page is left. False when the printer did not take the job.
bool printTextAndChart(QPrinter& printer, const std::vector<std::string>& lines, QChartView& chart);

} // namespace korvanex
