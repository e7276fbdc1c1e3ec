// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/design_chart_data.h"

#include <string>

namespace korvanex {

// A point of the chart; one with a routine named faulted there.
inline DesignChartPoint point(const std::string& text, std::array<double, ChartCurveCount> stresses,
                              const std::string& faultRoutine = "") {
    DesignChartPoint point;
    point.text = text;
    point.value = std::stod(text);
    point.stresses = stresses;
    point.faulted = !faultRoutine.empty();
    point.faultRoutine = faultRoutine;
    return point;
}

} // namespace korvanex
