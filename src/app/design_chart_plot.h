// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/design_chart_data.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class QChart;

namespace korvanex {

// Draws a design chart's data into a chart, replacing whatever it showed: one line per curve through
// the computed points against the swept field (its caption titles the x axis), the stresses in the
// case's unit on the y axis, and the parts of the swept range outside the field's typical range (from,
// to) shaded. The chart's own legend is hidden: designChartLegend gives one that never cuts a name
// short.
void plotDesignChart(QChart& chart, const DesignChartData& data, const QString& fieldCaption,
                     const std::optional<std::pair<double, double>>& typical);

// Draws the allowable stress anew on a chart that plotDesignChart drew from the data, the curves left
// as they are: a dashed horizontal line with a mark wherever a curve crosses it and a label for each
// mark, or none. The stress axis spans the curves and the allowable stress.
void plotAllowable(QChart& chart, const DesignChartData& data, std::optional<double> allowable);

// Places the crossing labels inside the plot area, on a white ground, clear of one another, of every
// curve, of the allowable line and of the marks, beside their marks; to be run whenever the plot area
// or the axes change. Returns the texts of the labels for which the plot area has no free room: those
// are hidden.
QStringList placeCrossingLabels(QChart& chart);

// The legend of what plotDesignChart drew, as rich text: each line and shade in its colour and its
// full name, the entries apart so that a word-wrapped label breaks only between them.
QString designChartLegend(const QChart& chart);

// The y axis title: "Stress (psi)" or "Stress (kPa)".
QString stressAxisTitle(UnitSystem units);

} // namespace korvanex
