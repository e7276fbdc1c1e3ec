// SPDX-License-Identifier: Apache-2.0
#include "studies/design_chart_data.h"

#include "../chart_point.h"

#include <gtest/gtest.h>

namespace korvanex {
namespace {

TEST(AllowableCrossings, InterpolatesBetweenThePointsOnEitherSideOfTheAllowableStress) {
    DesignChartData data;
    data.curves = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress};
    // The combined stresses are the loading stresses plus 100, so that each curve is read on its own.
    data.points = {point("1", {10, 110}),
                   point("2", {20, 120}),
                   point("3", {15, 115}),
                   point("4", {5, 105}),
                   point("5", {}, "AnalysisDriver"),
                   point("6", {25, 125})};

    // 10 -> 20 meets 15 halfway; the point at 15 is one crossing, however the curve leaves it; the
    // faulted point is passed over, so 5 -> 25 between 4 and 6 meets 15 halfway again.
    EXPECT_EQ(allowableCrossings(data, ChartCurve::LoadingStressOnly, 15), (std::vector<double>{1.5, 3, 5}));
    EXPECT_EQ(allowableCrossings(data, ChartCurve::CombinedStress, 115), (std::vector<double>{1.5, 3, 5}));
    // 20 -> 15 -> 5 falls through 12 at 3 + (15 - 12) / (15 - 5) = 3.3; 5 -> 25 rises through it at
    // 4 + 2 * (12 - 5) / (25 - 5) = 4.7; 10 -> 20 rises through it at 1.2.
    const std::vector<double> twelve = allowableCrossings(data, ChartCurve::LoadingStressOnly, 12);
    ASSERT_EQ(twelve.size(), 3u);
    EXPECT_DOUBLE_EQ(twelve[0], 1.2);
    EXPECT_DOUBLE_EQ(twelve[1], 3.3);
    EXPECT_DOUBLE_EQ(twelve[2], 4.7);
    EXPECT_TRUE(allowableCrossings(data, ChartCurve::LoadingStressOnly, 30).empty());
    EXPECT_TRUE(allowableCrossings(data, ChartCurve::LoadingStressOnly, 4).empty());
    EXPECT_TRUE(allowableCrossings(data, ChartCurve::CombinedStress, 15).empty());

    data.points.clear();
    EXPECT_TRUE(allowableCrossings(data, ChartCurve::LoadingStressOnly, 15).empty());
}

} // namespace
} // namespace korvanex
