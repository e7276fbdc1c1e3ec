#include "case/analysis_case.h"
#include "case/fault.h"
#include "engine/analysis_driver.h"
#include "engine/combs.h"
#include "models/corner_models.h"
#include "models/edge_models.h"
#include "models/interior_models.h"

#include <gtest/gtest.h>

using namespace korvanex;

namespace {

constexpr float Unset = -1234.5f;

const WheelLocation locations[] = {WheelLocation::Interior, WheelLocation::Edge, WheelLocation::Corner};

AnalysisCase englishCase(WheelLocation location, GearConfiguration gear) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.location = location;
    record.gear = gear;
    return record;
}

// The driver's results for a case, before the factors.
AnalysisResults driven(const AnalysisCase& record) {
    AnalysisResults results;
    AnalysisDriver(record, results);
    return results;
}

AnalysisResults composed(const AnalysisCase& record) {
    AnalysisResults results = driven(record);
    combs(record, results);
    return results;
}

float westergaardStressAt(WheelLocation location, const AnalysisResults& results) {
    switch (location) {
    case WheelLocation::Edge:
        return results.SlabEdgeStress;
    case WheelLocation::Corner:
        return results.SlabCornerStress;
    case WheelLocation::Interior:
        break;
    }
    return results.SlabInteriorStress;
}

} // namespace

TEST(Combs, SingleSingleCarriesTheOtherWheelsOnly) {
    for (const WheelLocation location : locations) {
        SCOPED_TRACE(locationName(location));
        const AnalysisResults results = composed(englishCase(location, GearConfiguration::SingleSingle));
        EXPECT_EQ(results.GearFactor, 1.0f);
        EXPECT_EQ(results.WestergaardStress, westergaardStressAt(location, results));
        EXPECT_EQ(
            results.InfiniteSlabStress,
            static_cast<float>(static_cast<double>(results.OtherWheelsFactor) * results.WestergaardStress));
    }

    // The other wheels: the dual model at the transverse spacing, doubled, after the size model has
    // limited a/l to 0.3. A 6 in slab on k = 500 pci under 60 psi tires: a/l = 6.91 / 19.6 = 0.35.
    AnalysisCase record = englishCase(WheelLocation::Edge, GearConfiguration::SingleSingle);
    record.h1 = "6";
    record.k = "500";
    record.tp = "60";
    AnalysisResults ratios = driven(record);
    ASSERT_GT(ratios.a_l, 0.3f);
    edge_size(ratios.a_l, ratios.L_l, ratios.W_l);
    const float otherWheels = static_cast<float>(2.0 * edge_dual(ratios.d_l, ratios.a_l));
    const AnalysisResults results = composed(record);
    EXPECT_EQ(results.OtherWheelsFactor, otherWheels);
    EXPECT_EQ(results.a_l, 0.3f);
}

TEST(Combs, DualTandemAtTheCornerMultipliesDualAndTandem) {
    const AnalysisCase record = englishCase(WheelLocation::Corner, GearConfiguration::DualTandem);
    AnalysisResults ratios = driven(record);
    const float dual = corner_dual(ratios.s_l, ratios.a_l);
    AnalysisResults sameRatios = ratios;
    const float tandem = corner_tandem(ratios.t_l, ratios.a_l);
    // The corner's tandem model is its dual model at the longitudinal spacing.
    EXPECT_EQ(tandem, corner_dual(sameRatios.t_l, sameRatios.a_l));

    const AnalysisResults results = composed(record);
    EXPECT_FLOAT_EQ(results.GearFactor, static_cast<float>(static_cast<double>(dual) * tandem));
    EXPECT_NE(results.GearFactor, dual);
    EXPECT_FLOAT_EQ(results.InfiniteSlabStress,
                    static_cast<float>(static_cast<double>(results.OtherWheelsFactor) *
                                       (static_cast<double>(results.GearFactor) * results.SlabCornerStress)));
}

TEST(Combs, LoadingStressOfAPlainSlab) {
    for (const WheelLocation location : locations) {
        SCOPED_TRACE(locationName(location));
        const AnalysisResults results = composed(englishCase(location, GearConfiguration::DualSingle));
        EXPECT_EQ(results.SecondLayerFactor, 1.0f);
        EXPECT_EQ(results.TiedFactor, 1.0f);
        EXPECT_EQ(results.WidenedFactor, 1.0f);
        EXPECT_EQ(
            results.LoadingStressOnly,
            static_cast<float>(static_cast<double>(results.InfiniteSlabStress) * results.SlabSizeFactor));
        EXPECT_EQ(
            results.LoadingStressLos,
            static_cast<float>(static_cast<double>(results.InfiniteSlabStress) * results.SlabSizeLosFactor));
    }

    // Every factor of a bonded slab with a tied shoulder and a widened lane.
    for (const WheelLocation location : locations) {
        SCOPED_TRACE(locationName(location));
        AnalysisCase record = englishCase(location, GearConfiguration::DualSingle);
        record.layer = LayerType::TwoLayerBonded;
        record.tiedShoulder = true;
        record.widenedLane = true;
        const AnalysisResults results = composed(record);
        if (location == WheelLocation::Interior) {
            EXPECT_EQ(results.TiedFactor, 1.0f);
            EXPECT_EQ(results.WidenedFactor, 1.0f);
        } else {
            EXPECT_NE(results.TiedFactor, 1.0f);
            EXPECT_NE(results.WidenedFactor, 1.0f);
        }
        const double adjusted = static_cast<double>(results.InfiniteSlabStress) * results.SecondLayerFactor *
                                results.TiedFactor * results.WidenedFactor;
        EXPECT_FLOAT_EQ(results.LoadingStressOnly, static_cast<float>(adjusted * results.SlabSizeFactor));
        EXPECT_FLOAT_EQ(results.LoadingStressLos, static_cast<float>(adjusted * results.SlabSizeLosFactor));
    }
}

TEST(Combs, CombinedStressAddsTheCurlingPart) {
    for (const WheelLocation location : locations) {
        SCOPED_TRACE(locationName(location));
        AnalysisCase record = englishCase(location, GearConfiguration::DualSingle);
        const AnalysisResults still = composed(record);
        EXPECT_EQ(still.CurlStress, 0.0f);
        ASSERT_NE(still.LoadingStressOnly, still.LoadingStressLos);
        // The edge takes the ordinary slab size factor, the other locations the one with loss of support.
        EXPECT_EQ(still.CombinedStress,
                  location == WheelLocation::Edge ? still.LoadingStressOnly : still.LoadingStressLos);

        record.F = "20";
        const AnalysisResults curled = composed(record);
        const double loading =
            location == WheelLocation::Edge ? curled.LoadingStressOnly : curled.LoadingStressLos;
        EXPECT_FLOAT_EQ(
            curled.CombinedStress,
            static_cast<float>(static_cast<double>(curled.CurlStress) * curled.LoadCurlFactor + loading));
    }
}

TEST(Combs, RatioFieldsKeepTheClampedValues) {
    // A 30 ft wide slab: W/l = 360 / 38.73 = 9.3, which the corner's size model limits to 7; no later
    // corner model takes W/l.
    AnalysisCase wide = englishCase(WheelLocation::Corner, GearConfiguration::SingleSingle);
    wide.W = "30";
    ASSERT_GT(driven(wide).W_l, 7);
    EXPECT_EQ(composed(wide).W_l, 7.0f);

    // An 8 ft by 14 ft slab at the edge: L/l = 2.48 and W/l = 4.34. The size model exchanges them, the
    // size model with loss of support raises W/l to 3 and ADT = 0 to 5.5, and the curling model works on
    // what they left.
    AnalysisCase exchanged = englishCase(WheelLocation::Edge, GearConfiguration::SingleSingle);
    exchanged.L = "8";
    exchanged.W = "14";
    const AnalysisResults before = driven(exchanged);
    ASSERT_LT(before.L_l, 3);
    ASSERT_GT(before.W_l, 3);
    const AnalysisResults after = composed(exchanged);
    EXPECT_EQ(after.L_l, before.W_l);
    EXPECT_EQ(after.W_l, 3.0f);
    EXPECT_GE(after.L_l, after.W_l);
    EXPECT_EQ(after.ADT, 5.5f);

    AnalysisResults ratios = before;
    const float size = edge_size(ratios.a_l, ratios.L_l, ratios.W_l);
    edge_dual(ratios.d_l, ratios.a_l);
    const float sizeLos = edge_size_los(ratios.W_l, ratios.L_l, ratios.ADT, ratios.DG);
    const float curl = edge_curl(ratios.W_l, ratios.L_l, ratios.ADT, ratios.a_l, ratios.DP, ratios.DG);
    EXPECT_EQ(after.SlabSizeFactor, size);
    EXPECT_EQ(after.SlabSizeLosFactor, sizeLos);
    EXPECT_EQ(after.LoadCurlFactor, curl);

    // Without the exchange the curling model would see L/l = 3 and W/l = 4.34.
    AnalysisResults unexchanged = before;
    unexchanged.L_l = 3;
    EXPECT_NE(after.LoadCurlFactor, edge_curl(unexchanged.W_l, unexchanged.L_l, unexchanged.ADT,
                                              unexchanged.a_l, unexchanged.DP, unexchanged.DG));
}

TEST(Combs, OverflowInTheLoadingStressKeepsTheFactors) {
    const AnalysisCase record = englishCase(WheelLocation::Edge, GearConfiguration::DualSingle);
    AnalysisResults results = driven(record);
    results.SecondLayerFactor = 3e38f;
    results.LoadingStressOnly = Unset;
    results.LoadingStressLos = Unset;
    results.CombinedStress = Unset;
    try {
        combs(record, results);
        ADD_FAILURE() << "a loading stress beyond the single range must fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.routine(), "combs");
    }
    const AnalysisResults plain = composed(record);
    EXPECT_EQ(results.GearFactor, plain.GearFactor);
    EXPECT_EQ(results.InfiniteSlabStress, plain.InfiniteSlabStress);
    EXPECT_EQ(results.LoadCurlFactor, plain.LoadCurlFactor);
    EXPECT_EQ(results.LoadingStressOnly, Unset);
    EXPECT_EQ(results.LoadingStressLos, Unset);
    EXPECT_EQ(results.CombinedStress, Unset);
}
