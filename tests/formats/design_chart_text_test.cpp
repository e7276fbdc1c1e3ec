// SPDX-License-Identifier: Apache-2.0
#include "formats/design_chart_text.h"

#include "../chart_point.h"

#include <gtest/gtest.h>

namespace korvanex {
namespace {

TEST(DesignChartCsv, OneRowPerPointWithTheStatusAndTheDrawnCurves) {
    DesignChartData english;
    english.field = Field::h1;
    english.curves = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress};
    english.points = {point("8", {250.5, 260.25, 1, 2}), point("8.5", {}, "AnalysisDriver"),
                      point("9", {1.0 / 3, 123456789012.0, 0, 0})};
    english.faultedPoints = 1;
    EXPECT_EQ(designChartCsv(english), "units,h1,status,LoadingStressOnly,CombinedStress\n"
                                       "english,8,ok,250.5,260.25\n"
                                       "english,8.5,fault: AnalysisDriver,,\n"
                                       "english,9,ok,0.33333334,123456790528\n");

    DesignChartData metric;
    metric.field = Field::k;
    metric.units = UnitSystem::Metric;
    metric.curves = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress, ChartCurve::MdTopLayerStress,
                     ChartCurve::MdCombinedStress};
    metric.points = {point("35.23", {1723.5, 1800, 1650.125, 1700})};
    EXPECT_EQ(designChartCsv(metric),
              "units,k,status,LoadingStressOnly,CombinedStress,MdTopLayerStress,MdCombinedStress\n"
              "metric,35.23,ok,1723.5,1800,1650.125,1700\n");

    english.points.clear();
    EXPECT_EQ(designChartCsv(english), "units,h1,status,LoadingStressOnly,CombinedStress\n");
}

} // namespace
} // namespace korvanex
