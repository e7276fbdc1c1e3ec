// SPDX-License-Identifier: Apache-2.0
#include "app/chart_axes.h"

#include <QValueAxis>

#include <cmath>

namespace korvanex {

namespace {

// About this many grid lines across the range.
constexpr double RoundTicks = 8;

} // namespace

void setRoundTicks(QValueAxis& axis) {
    const double span = axis.max() - axis.min();
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / RoundTicks)));
    const double rough = span / RoundTicks / magnitude;
    const double multiple = rough <= 1 ? 1 : rough <= 2 ? 2 : rough <= 5 ? 5 : 10;
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(multiple * magnitude);
}

} // namespace korvanex
