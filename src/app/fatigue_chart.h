// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/fatigue_damage.h"

#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QChart;

namespace korvanex {

// What the fatigue chart draws: the total damage against the slab thickness, the target damage and
// the required thickness, where one was found, and for a simulated design the reliability against the
// slab thickness.
struct DamageChart {
    std::vector<ThicknessDamage> curve;
    double targetPercent = 100;
    std::optional<RequiredThickness> thickness;
    UnitSystem units = UnitSystem::English;
    QString thicknessCaption;         // the x axis title
    int mostLabels = 10;              // the most powers of ten that the damage axis may label
    std::vector<QPointF> reliability; // (h1, reliability in %) at points of the thickness grid
};

// Draws the chart into `chart`, replacing what it showed. The damage axis is logarithmic, labelled
// at powers of ten ("10⁻²", "10⁰", "10³"), every decade or every few so as to label no more than
// `mostLabels`, with a line of its own one label below the smallest damage for a damage of 0, so that
// a curve reaching 0 is drawn down to it rather than cut off. The reliability, when there is one, is
// drawn against an axis of its own on the right, from 0 to 100 %. Every label stands in the legend below
// the plot.
void plotDamageChart(QChart& chart, const DamageChart& data);

// How many powers of ten the damage axis may label along a plot of the given height, in pixels, with
// room between them.
int decadeLabelsFitting(double height);

// A power of ten as the damage axis labels it: "10" and the exponent in superscript digits.
QString powerOfTenText(int exponent);

} // namespace korvanex
