#include "studies/design_chart_data.h"

#include "engine/analysis_results.h"
#include "engine/compute_stresses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvanex {
namespace {

SweepRange range(Field field, double from, double to, int points) {
    SweepRange range;
    range.field = field;
    range.from = from;
    range.to = to;
    range.points = points;
    return range;
}

AnalysisResults computedOnItsOwn(AnalysisCase record, Field field, const std::string& text) {
    record.text(field) = text;
    AnalysisResults results;
    computeStresses(record, results);
    return results;
}

DesignChartPoint computedPoint(const std::string& text, double value,
                               std::array<double, ChartCurveCount> stresses) {
    DesignChartPoint point;
    point.text = text;
    point.value = value;
    point.stresses = stresses;
    return point;
}

DesignChartPoint faultedPoint(const std::string& text, double value, const std::string& routine) {
    DesignChartPoint point;
    point.text = text;
    point.value = value;
    point.faulted = true;
    point.faultRoutine = routine;
    return point;
}

TEST(DesignChartData, EveryPointIsTheCaseComputedOnItsOwnWithTheTextAUserWouldType) {
    const AnalysisCase english = AnalysisCase::defaults(UnitSystem::English);
    const DesignChartData thickness = computeDesignChart(english, range(Field::h1, 8, 10, 5));
    EXPECT_EQ(thickness.field, Field::h1);
    EXPECT_EQ(thickness.units, UnitSystem::English);
    EXPECT_EQ(thickness.faultedPoints, 0);
    const std::vector<std::string> texts = {"8", "8.5", "9", "9.5", "10"};
    const std::vector<double> values = {8, 8.5, 9, 9.5, 10};
    ASSERT_EQ(thickness.points.size(), texts.size());
    for (std::size_t index = 0; index < texts.size(); ++index) {
        const DesignChartPoint& point = thickness.points[index];
        const AnalysisResults r = computedOnItsOwn(english, Field::h1, texts[index]);
        EXPECT_EQ(point.text, texts[index]);
        EXPECT_EQ(point.value, values[index]);
        EXPECT_FALSE(point.faulted);
        EXPECT_EQ(point.stress(ChartCurve::LoadingStressOnly), r.LoadingStressOnly) << texts[index];
        EXPECT_EQ(point.stress(ChartCurve::CombinedStress), r.CombinedStress) << texts[index];
        EXPECT_EQ(point.stress(ChartCurve::MdTopLayerStress), r.MdTopLayerStress) << texts[index];
        EXPECT_EQ(point.stress(ChartCurve::MdCombinedStress), r.MdCombinedStress) << texts[index];
    }
    EXPECT_GT(thickness.points.front().stress(ChartCurve::LoadingStressOnly),
              thickness.points.back().stress(ChartCurve::LoadingStressOnly))
        << "a thicker slab carries the load with less stress";

    // Metric stresses are the psi values times 6.89, in double precision.
    const AnalysisCase metric = AnalysisCase::defaults(UnitSystem::Metric);
    const DesignChartData subgrade = computeDesignChart(metric, range(Field::k, 30, 40, 3));
    EXPECT_EQ(subgrade.units, UnitSystem::Metric);
    const std::vector<std::string> metricTexts = {"30", "35", "40"};
    ASSERT_EQ(subgrade.points.size(), metricTexts.size());
    for (std::size_t index = 0; index < metricTexts.size(); ++index) {
        const DesignChartPoint& point = subgrade.points[index];
        const AnalysisResults r = computedOnItsOwn(metric, Field::k, metricTexts[index]);
        EXPECT_EQ(point.text, metricTexts[index]);
        EXPECT_EQ(point.stress(ChartCurve::LoadingStressOnly),
                  static_cast<double>(r.LoadingStressOnly) * 6.89);
        EXPECT_EQ(point.stress(ChartCurve::CombinedStress), static_cast<double>(r.CombinedStress) * 6.89);
        EXPECT_EQ(point.stress(ChartCurve::MdTopLayerStress), static_cast<double>(r.MdTopLayerStress) * 6.89);
        EXPECT_EQ(point.stress(ChartCurve::MdCombinedStress), static_cast<double>(r.MdCombinedStress) * 6.89);
    }
}

TEST(DesignChartData, TheEdgeModelCurvesOnlyWhereThatModelRuns) {
    const std::vector<ChartCurve> composed = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress};
    const std::vector<ChartCurve> withEdgeModel = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress,
                                                   ChartCurve::MdTopLayerStress,
                                                   ChartCurve::MdCombinedStress};
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    const SweepRange two = range(Field::h1, 8, 10, 2);
    for (GearConfiguration gear : {GearConfiguration::SingleSingle, GearConfiguration::DualSingle,
                                   GearConfiguration::DualTandem, GearConfiguration::DualTridem}) {
        record.gear = gear;
        EXPECT_EQ(computeDesignChart(record, two).curves, withEdgeModel) << gearName(gear);
    }
    for (GearConfiguration gear : {GearConfiguration::SingleTandem, GearConfiguration::SingleTridem}) {
        record.gear = gear;
        EXPECT_EQ(computeDesignChart(record, two).curves, composed) << gearName(gear);
    }
    record.gear = GearConfiguration::DualSingle;
    for (WheelLocation location : {WheelLocation::Interior, WheelLocation::Corner}) {
        record.location = location;
        EXPECT_EQ(computeDesignChart(record, two).curves, composed) << locationName(location);
    }

    EXPECT_EQ(curveTitle(ChartCurve::LoadingStressOnly), "Loading Stress Only");
    EXPECT_EQ(curveTitle(ChartCurve::CombinedStress), "Combined Loading & Curling Stress");
    EXPECT_EQ(curveColumnName(ChartCurve::MdTopLayerStress), "MdTopLayerStress");
    EXPECT_EQ(curveColumnName(ChartCurve::MdCombinedStress), "MdCombinedStress");
}

// A subgrade modulus of zero divides by zero in the radius of relative stiffness, and a negative one
// takes the fourth root of a negative number: the points from -2 to 0 fault, the others compute.
TEST(DesignChartData, FaultedPointsAreKeptAndCounted) {
    const DesignChartData data =
        computeDesignChart(AnalysisCase::defaults(UnitSystem::English), range(Field::k, -2, 38, 41));
    ASSERT_EQ(data.points.size(), 41u);
    EXPECT_EQ(data.faultedPoints, 3);
    for (std::size_t index = 0; index < data.points.size(); ++index) {
        const DesignChartPoint& point = data.points[index];
        EXPECT_EQ(point.value, static_cast<double>(index) - 2);
        EXPECT_EQ(point.faulted, index < 3) << point.text;
        EXPECT_EQ(point.faultRoutine.empty(), index >= 3) << point.text;
        if (!point.faulted) {
            EXPECT_GT(point.stress(ChartCurve::LoadingStressOnly), 0) << point.text;
        }
    }
    EXPECT_EQ(data.points[2].text, "0");
}

TEST(AllowableCrossings, InterpolatesBetweenThePointsOnEitherSideOfTheAllowableStress) {
    DesignChartData data;
    data.curves = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress};
    // The combined stresses are the loading stresses plus 100, so that each curve is read on its own.
    data.points = {computedPoint("1", 1, {10, 110}),       computedPoint("2", 2, {20, 120}),
                   computedPoint("3", 3, {15, 115}),       computedPoint("4", 4, {5, 105}),
                   faultedPoint("5", 5, "AnalysisDriver"), computedPoint("6", 6, {25, 125})};

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

std::string label(Field field, std::vector<double> values, double span) {
    return crossingLabel(field, values, span);
}

TEST(CrossingLabel, NamesTheFieldBySymbolWithDecimalsForAThousandthOfTheSpan) {
    EXPECT_EQ(label(Field::h1, {8.7312}, 16), "h1 = 8.73");
    EXPECT_EQ(label(Field::h1, {8.7312}, 1.6), "h1 = 8.731");
    EXPECT_EQ(label(Field::E1, {4123456.7}, 7500000), "E1 = 4123457");
    EXPECT_EQ(label(Field::k, {312.44}, 650), "k = 312.4");
    EXPECT_EQ(label(Field::tp, {150.26}, 140), "p = 150.3");
    EXPECT_EQ(label(Field::F, {12.3456}, 40), "ΔT = 12.35");
    EXPECT_EQ(label(Field::alp, {0.0000055}, 0.000011), "alpha = 0.00000550");
    EXPECT_EQ(label(Field::h1, {8}, 0), "h1 = 8.00") << "a range of one value keeps two decimals";

    // Crossings close together share a label; two that read the same are written once.
    EXPECT_EQ(label(Field::h1, {6.2981, 6.3012, 6.3877, 6.3921}, 16), "h1 = 6.30, 6.39");
    EXPECT_EQ(label(Field::h1, {6.30, 6.39, 6.30}, 16), "h1 = 6.30, 6.39, 6.30");
}

TEST(DesignChartCsv, OneRowPerPointWithTheStatusAndTheDrawnCurves) {
    DesignChartData english;
    english.field = Field::h1;
    english.curves = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress};
    english.points = {computedPoint("8", 8, {250.5, 260.25, 1, 2}),
                      faultedPoint("8.5", 8.5, "AnalysisDriver"),
                      computedPoint("9", 9, {1.0 / 3, 123456789012.0, 0, 0})};
    english.faultedPoints = 1;
    EXPECT_EQ(designChartCsv(english), "units,h1,status,LoadingStressOnly,CombinedStress\n"
                                       "english,8,ok,250.5,260.25\n"
                                       "english,8.5,fault: AnalysisDriver,,\n"
                                       "english,9,ok,0.333333333,1.23456789e+11\n");

    DesignChartData metric;
    metric.field = Field::k;
    metric.units = UnitSystem::Metric;
    metric.curves = {ChartCurve::LoadingStressOnly, ChartCurve::CombinedStress, ChartCurve::MdTopLayerStress,
                     ChartCurve::MdCombinedStress};
    metric.points = {computedPoint("35.23", 35.23, {1723.5, 1800, 1650.125, 1700})};
    EXPECT_EQ(designChartCsv(metric),
              "units,k,status,LoadingStressOnly,CombinedStress,MdTopLayerStress,MdCombinedStress\n"
              "metric,35.23,ok,1723.5,1800,1650.125,1700\n");

    english.points.clear();
    EXPECT_EQ(designChartCsv(english), "units,h1,status,LoadingStressOnly,CombinedStress\n");
}

} // namespace
} // namespace korvanex
