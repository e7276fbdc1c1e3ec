// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "studies/sweep.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// The stresses a design chart draws against the swept field: the composed stresses always, and the
// edge model's top-layer and combined stresses where that model runs.
enum class ChartCurve { LoadingStressOnly, CombinedStress, MdTopLayerStress, MdCombinedStress };
inline constexpr std::size_t ChartCurveCount = 4;

// One point of the sweep: the field text as the case held it, its value as the analysis reads it,
// and the stresses in the case's stress unit (psi, or kPa as psi × 6.89), unless the computation
// faulted there.
struct DesignChartPoint {
    std::string text;
    double value = 0;
    bool faulted = false;
    std::string faultRoutine;
    std::array<double, ChartCurveCount> stresses{};

    double stress(ChartCurve curve) const { return stresses[static_cast<std::size_t>(curve)]; }
};

struct DesignChartData {
    Field field = Field::h1;
    UnitSystem units = UnitSystem::English;
    std::vector<ChartCurve> curves;
    std::vector<DesignChartPoint> points; // every point of the range, faulted ones included
    int faultedPoints = 0;
};

// Computes the case at every point of the range, each from a fresh results record with the field
// text the sweep writes for that point, so that a point equals the case computed on its own.
DesignChartData computeDesignChart(const AnalysisCase& base, const SweepRange& range);

// The curve's name in the chart's legend ("Loading Stress Only", ...) and its CSV column name, the
// result name of a batch file ("LoadingStressOnly", ...).
std::string_view curveTitle(ChartCurve curve);
std::string_view curveColumnName(ChartCurve curve);

// The values of the swept field where the curve meets the allowable stress, in the order of the
// points: a point lying on it, or the linear interpolation between two neighbouring computed points
// on either side of it. Faulted points are passed over, as the drawn curve passes over them.
std::vector<double> allowableCrossings(const DesignChartData& data, ChartCurve curve, double allowable);

} // namespace korvanex
