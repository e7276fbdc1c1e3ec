// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/design_chart_data.h"

#include <QString>
#include <QStringList>

#include <optional>

class QChart;

namespace korvanex {

// Draws a design chart's data into a chart, replacing whatever it showed: one line per curve through
// the computed points against the swept field (its caption titles the x axis), the stresses in the
// case's unit on the y axis, and, when there is an allowable stress, a dashed horizontal line at it
// with a mark wherever a curve crosses it and a label for each mark.
void plotDesignChart(QChart& chart, const DesignChartData& data, const QString& fieldCaption,
                     std::optional<double> allowable);

// Places the crossing labels inside the plot area, clear of one another, beside their marks; to be
// run whenever the plot area or the axes change. Returns the texts of the labels for which the plot
// area has no free room: those are hidden.
QStringList placeCrossingLabels(QChart& chart);

// The y axis title: "Stress (psi)" or "Stress (kPa)".
QString stressAxisTitle(UnitSystem units);

} // namespace korvanex
