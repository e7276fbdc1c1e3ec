// SPDX-License-Identifier: Apache-2.0
#include "studies/design_chart_data.h"

#include "case/fault.h"
#include "case/field_value.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "engine/analysis_results.h"
#include "engine/compute_stresses.h"
#include "engine/result_fields.h"

namespace korvanex {

namespace {

// Each curve's legend title and the result it draws, in the order of ChartCurve.
struct CurveRow {
    std::string_view title;
    float AnalysisResults::*stress;
};
// clang-format off
constexpr std::array<CurveRow, ChartCurveCount> CurveRows = {{
    {"Loading Stress Only",                &AnalysisResults::LoadingStressOnly},
    {"Combined Loading & Curling Stress",  &AnalysisResults::CombinedStress},
    {"MERIDOC Slab Edge Stress Top Layer", &AnalysisResults::MdTopLayerStress},
    {"MERIDOC Combined Slab Edge Stress",  &AnalysisResults::MdCombinedStress},
}};
// clang-format on

const CurveRow& curveRow(ChartCurve curve) {
    return CurveRows[static_cast<std::size_t>(curve)];
}

std::array<double, ChartCurveCount> curveStresses(const AnalysisResults& results, UnitSystem units) {
    std::array<double, ChartCurveCount> stresses{};
    for (std::size_t index = 0; index < ChartCurveCount; ++index) {
        stresses[index] = inStressUnit(results.*CurveRows[index].stress, units);
    }
    return stresses;
}

} // namespace

DesignChartData computeDesignChart(const AnalysisCase& base, const SweepRange& range) {
    DesignChartData data;
    data.field = range.field;
    data.units = base.units;
    data.curves = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress};
    if (runsEdgeStressModel(base)) {
        data.curves.push_back(ChartCurve::MdTopLayerStress);
        data.curves.push_back(ChartCurve::MdCombinedStress);
    }
    data.points.reserve(static_cast<std::size_t>(range.points));

    AnalysisCase record = base;
    AnalysisResults results;
    for (int index = 0; index < range.points; ++index) {
        DesignChartPoint& point = data.points.emplace_back();
        point.text = sweepPointText(range, index);
        point.value = numericPrefix(point.text);
        record.text(range.field) = point.text;
        results = AnalysisResults{};
        try {
            computeStresses(record, results);
        } catch (const FloatingPointFault& fault) {
            point.faulted = true;
            point.faultRoutine = fault.routine();
            ++data.faultedPoints;
            continue;
        }
        point.stresses = curveStresses(results, data.units);
    }
    return data;
}

std::string_view curveTitle(ChartCurve curve) {
    return curveRow(curve).title;
}

std::string_view curveColumnName(ChartCurve curve) {
    return resultFieldOf(curveRow(curve).stress).name;
}

std::vector<double> allowableCrossings(const DesignChartData& data, ChartCurve curve, double allowable) {
    std::vector<double> crossings;
    const DesignChartPoint* previous = nullptr;
    for (const DesignChartPoint& point : data.points) {
        if (point.faulted) {
            continue;
        }
        const double after = point.stress(curve) - allowable;
        if (after == 0) {
            crossings.push_back(point.value);
        } else if (previous != nullptr) {
            const double before = previous->stress(curve) - allowable;
            if (before != 0 && (before < 0) != (after < 0)) {
                crossings.push_back(previous->value +
                                    (point.value - previous->value) * before / (before - after));
            }
        }
        previous = &point;
    }
    return crossings;
}

} // namespace korvanex
