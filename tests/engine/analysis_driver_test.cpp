#include "case/analysis_case.h"
#include "case/fault.h"
#include "engine/analysis_driver.h"
#include "engine/edge_stress_model.h"
#include "engine/westergaard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

using namespace korvanex;

namespace {

constexpr double Pi = 3.14159265;
constexpr float Unset = -1234.5f;

using FloatField = float AnalysisResults::*;

struct NamedField {
    const char* name;
    FloatField field;
};

const std::vector<NamedField> slabFields = {
    {"SlabEdgeStress", &AnalysisResults::SlabEdgeStress},
    {"SlabCornerStress", &AnalysisResults::SlabCornerStress},
    {"SlabInteriorStress", &AnalysisResults::SlabInteriorStress},
};

const std::vector<NamedField> topLayerFields = {
    {"TopEdgeStress", &AnalysisResults::TopEdgeStress},
    {"TopCornerStress", &AnalysisResults::TopCornerStress},
    {"TopInteriorStress", &AnalysisResults::TopInteriorStress},
    {"SecondLayerFactor", &AnalysisResults::SecondLayerFactor},
};

const std::vector<NamedField> ratioFields = {
    {"a_l", &AnalysisResults::a_l}, {"D0_l", &AnalysisResults::D0_l}, {"AGG_kl", &AnalysisResults::AGG_kl},
    {"t_l", &AnalysisResults::t_l}, {"d_l", &AnalysisResults::d_l},   {"s_l", &AnalysisResults::s_l},
    {"L_l", &AnalysisResults::L_l}, {"W_l", &AnalysisResults::W_l},   {"DP", &AnalysisResults::DP},
    {"DG", &AnalysisResults::DG},   {"ADT", &AnalysisResults::ADT},
};

const std::vector<NamedField> edgeModelFields = {
    {"MdEdgeInfSlab", &AnalysisResults::MdEdgeInfSlab},
    {"MdSecondLayer", &AnalysisResults::MdSecondLayer},
    {"MdSlabSize", &AnalysisResults::MdSlabSize},
    {"MdTiedShoulder", &AnalysisResults::MdTiedShoulder},
    {"MdWidenedLane", &AnalysisResults::MdWidenedLane},
    {"MdCurlStress", &AnalysisResults::MdCurlStress},
    {"MdTopLayerStress", &AnalysisResults::MdTopLayerStress},
    {"MdCombinedStress", &AnalysisResults::MdCombinedStress},
    {"MdBottomLayerStress", &AnalysisResults::MdBottomLayerStress},
};

// Results of an earlier run: every field the driver or the edge model may write holds a mark.
AnalysisResults earlierResults() {
    AnalysisResults results;
    for (const auto* group : {&slabFields, &topLayerFields, &ratioFields, &edgeModelFields}) {
        for (const NamedField& named : *group) {
            results.*named.field = Unset;
        }
    }
    results.l = Unset;
    results.CurlStress = Unset;
    return results;
}

void expectWritten(const AnalysisResults& results, const std::vector<NamedField>& fields) {
    for (const NamedField& named : fields) {
        EXPECT_NE(results.*named.field, Unset) << named.name << " should hold this run's value";
    }
}

void expectKept(const AnalysisResults& results, const std::vector<NamedField>& fields) {
    for (const NamedField& named : fields) {
        EXPECT_EQ(results.*named.field, Unset) << named.name << " should keep the earlier value";
    }
}

AnalysisCase englishCase(WheelLocation location, GearConfiguration gear) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.location = location;
    record.gear = gear;
    return record;
}

// The English defaults in computation units: 9.5 in slab of 4,000,000 psi, mu 0.15, k = 130 pci.
constexpr float h1 = 9.5f, E1 = 4000000, mu = 0.15f, k = 130, alpha = 5.5e-6f;

double sixDigits(double expected) {
    return std::fabs(expected) * 1e-6;
}

double stiffnessRadius(double h, double E, double poisson, double subgrade) {
    return std::pow(E * h * h * h / (12 * (1 - poisson * poisson) * subgrade), 0.25);
}

const double lDefault = stiffnessRadius(h1, E1, mu, k);

// The routine that a run stopped in, or "no fault".
std::string faultOf(const AnalysisCase& record, AnalysisResults& results) {
    try {
        AnalysisDriver(record, results);
    } catch (const FloatingPointFault& fault) {
        return fault.routine();
    }
    return "no fault";
}

} // namespace

TEST(AnalysisDriver, LoadRadiusSharesHalfTheAxleAmongTheTiresOfOneSide) {
    const std::pair<GearConfiguration, int> tiresPerSide[] = {
        {GearConfiguration::SingleSingle, 1}, {GearConfiguration::SingleTandem, 2},
        {GearConfiguration::SingleTridem, 3}, {GearConfiguration::DualSingle, 2},
        {GearConfiguration::DualTandem, 4},   {GearConfiguration::DualTridem, 6},
    };
    for (const auto& [gear, n] : tiresPerSide) {
        AnalysisResults results;
        AnalysisDriver(englishCase(WheelLocation::Interior, gear), results);
        const double a = std::sqrt(9000 / (100 * n * Pi));
        EXPECT_NEAR(results.a_l * results.l, a, sixDigits(a)) << gearName(gear);
    }

    // 18000 lbs on 100 psi tires: 5.35 in for one tire, 2.68 in for each of four.
    AnalysisResults single;
    AnalysisDriver(englishCase(WheelLocation::Edge, GearConfiguration::SingleSingle), single);
    EXPECT_NEAR(single.a_l * single.l, 5.35, 0.005);
    AnalysisResults tandem;
    AnalysisDriver(englishCase(WheelLocation::Edge, GearConfiguration::DualTandem), tandem);
    EXPECT_NEAR(tandem.a_l * tandem.l, 2.68, 0.005);
}

TEST(AnalysisDriver, MetricCaseInComputationUnits) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    record.location = WheelLocation::Interior;
    record.gear = GearConfiguration::DualSingle;
    record.P = "80";
    record.F = "-10";
    AnalysisResults results;
    AnalysisDriver(record, results);

    const float h1Metric = static_cast<float>(24.1 / 2.54), E1Metric = static_cast<float>(27560000 / 6.89);
    const float kMetric = static_cast<float>(35.23 / 0.271), tpMetric = static_cast<float>(689 / 6.89);
    const double l = stiffnessRadius(h1Metric, E1Metric, mu, kMetric);
    EXPECT_NEAR(results.l, l, l * 1e-12);

    // 80 kN: Pw = 40 / 0.00445 = 8988.8 lb, read back from DP = 1e5 h1 Pw / (k l^4).
    const double Pw = results.DP * kMetric * std::pow(results.l, 4) / (100000 * h1Metric);
    EXPECT_NEAR(Pw, 40 / 0.00445, sixDigits(40 / 0.00445));
    EXPECT_NEAR(Pw, 8988.8, 0.05);
    const float PwMetric = static_cast<float>(40 / 0.00445);
    const float a = static_cast<float>(std::sqrt(PwMetric / (tpMetric * 2 * Pi)));
    EXPECT_FLOAT_EQ(results.SlabInteriorStress,
                    WestergaardInterior(PwMetric, h1Metric, E1Metric, kMetric, a, mu));
    EXPECT_FLOAT_EQ(results.SlabEdgeStress, WestergaardEdge(PwMetric, h1Metric, E1Metric, kMetric, a, mu));

    // -10 degC is a difference of 18 degF; 9.9E-06 /degC is 5.5E-06 /degF.
    const float alphaMetric = static_cast<float>(9.9e-6 / 1.8);
    EXPECT_FLOAT_EQ(results.ADT, static_cast<float>(100000 * 18 * static_cast<double>(alphaMetric)));
    EXPECT_NEAR(results.ADT, 9.9, 1e-5);
    const double curl =
        static_cast<double>(E1Metric) * alphaMetric * 18 / (2 * (1 - static_cast<double>(mu)));
    EXPECT_FLOAT_EQ(results.CurlStress, static_cast<float>(curl));
    EXPECT_NEAR(results.CurlStress, 396 / 1.7, 0.01);
}

TEST(AnalysisDriver, RatiosFromTheRadiusOfRelativeStiffness) {
    AnalysisCase record = englishCase(WheelLocation::Edge, GearConfiguration::DualSingle);
    record.F = "-20";
    AnalysisResults results;
    AnalysisDriver(record, results);

    const double l = lDefault;
    EXPECT_NEAR(results.l, l, l * 1e-12);
    EXPECT_NEAR(results.l, 38.73, 0.005);
    const float a = static_cast<float>(std::sqrt(9000 / (100 * 2 * Pi)));
    EXPECT_FLOAT_EQ(results.a_l, static_cast<float>(a / l));
    EXPECT_FLOAT_EQ(results.D0_l, static_cast<float>(24 / l));
    EXPECT_FLOAT_EQ(results.AGG_kl, static_cast<float>(25000 / (130 * l)));
    EXPECT_FLOAT_EQ(results.t_l, static_cast<float>(50 / l));
    EXPECT_FLOAT_EQ(results.d_l, static_cast<float>(88 / l));
    EXPECT_FLOAT_EQ(results.s_l, static_cast<float>(12 / l));
    EXPECT_FLOAT_EQ(results.L_l, static_cast<float>(15 * 12 / l));
    EXPECT_FLOAT_EQ(results.W_l, static_cast<float>(12 * 12 / l));
    const double DP = 100000 * 9.5 * 9000 / (130 * l * l * l * l);
    EXPECT_FLOAT_EQ(results.DP, static_cast<float>(DP));
    EXPECT_NEAR(results.DP, 29.24, 0.01);
    const double DG = 100000 * static_cast<double>(0.087f) * 9.5 * 9.5 / (130 * l * l);
    EXPECT_FLOAT_EQ(results.DG, static_cast<float>(DG));
    EXPECT_NEAR(results.DG, 4.03, 0.01);
    // The sign of the temperature difference does not count.
    EXPECT_FLOAT_EQ(results.ADT, static_cast<float>(100000 * 20 * static_cast<double>(alpha)));

    // DP and DG take the slab's thickness and radius, never those of the equivalent section.
    record.layer = LayerType::TwoLayerBonded;
    AnalysisResults twoLayer;
    AnalysisDriver(record, twoLayer);
    EXPECT_EQ(twoLayer.l, results.l);
    for (const NamedField& named : ratioFields) {
        EXPECT_EQ(twoLayer.*named.field, results.*named.field) << named.name;
    }
}

TEST(AnalysisDriver, CurlingStressByLocation) {
    // A fully restrained slab away from the edge: 4,000,000 x 5.5e-6 x 20 / (2 x 0.85) = 258.82 psi.
    const double restrained = static_cast<double>(E1) * alpha * 20 / (2 * (1 - static_cast<double>(mu)));
    for (const WheelLocation location : {WheelLocation::Interior, WheelLocation::Corner}) {
        for (const char* difference : {"20", "-20"}) {
            AnalysisCase record = englishCase(location, GearConfiguration::DualSingle);
            record.F = difference;
            AnalysisResults results;
            AnalysisDriver(record, results);
            EXPECT_FLOAT_EQ(results.CurlStress, static_cast<float>(restrained));
            EXPECT_NEAR(results.CurlStress, 258.82, 0.005);
        }
    }

    // At the edge: the finite slab of length L = 180 in, not of width W = 144 in.
    AnalysisCase record = englishCase(WheelLocation::Edge, GearConfiguration::DualSingle);
    record.F = "20";
    AnalysisResults results;
    AnalysisDriver(record, results);
    EXPECT_EQ(results.CurlStress, WestergaardEdgeCurl(E1, alpha, 20, 180, h1, k, mu));
    EXPECT_NE(results.CurlStress, WestergaardEdgeCurl(E1, alpha, 20, 144, h1, k, mu));
}

TEST(AnalysisDriver, SecondLayerFactorAndTopLayerStresses) {
    for (const WheelLocation location :
         {WheelLocation::Interior, WheelLocation::Edge, WheelLocation::Corner}) {
        AnalysisResults results;
        AnalysisDriver(englishCase(location, GearConfiguration::DualSingle), results);
        EXPECT_EQ(results.SecondLayerFactor, 1.0f) << locationName(location);
        EXPECT_EQ(results.TopEdgeStress, results.SlabEdgeStress);
        EXPECT_EQ(results.TopCornerStress, results.SlabCornerStress);
        EXPECT_EQ(results.TopInteriorStress, results.SlabInteriorStress);
    }

    const float Pw = 9000;
    const float a = static_cast<float>(std::sqrt(9000 / (100 * 2 * Pi)));
    // Unbonded: he = (9.5^3 + 0.5 x 6^3)^(1/3) = 9.883 in, stresses scaled by h1 / he.
    const double heUnbonded = std::cbrt(9.5 * 9.5 * 9.5 + 0.5 * 6 * 6 * 6);
    EXPECT_NEAR(heUnbonded, 9.883, 0.001);
    // Bonded: the composite section about its neutral axis.
    const double x2 = 0.5 * 9.5 * (9.5 + 6) / (9.5 + 6 * 0.5);
    const double x1 = 0.5 * (9.5 + 6) - x2;
    const double h1e = std::cbrt(9.5 * 9.5 * 9.5 + 12 * 9.5 * x1 * x1);
    const double h2e = std::cbrt(6 * 6 * 6 + 12 * 6 * x2 * x2);
    const double heBonded = std::cbrt(h1e * h1e * h1e + 0.5 * h2e * h2e * h2e);
    const double X = (4e6 * 9.5 * 9.5 / 2 + 2e6 * 6 * (9.5 + 3)) / (4e6 * 9.5 + 2e6 * 6);
    const std::pair<LayerType, std::pair<double, double>> layers[] = {
        {LayerType::TwoLayerUnbonded, {heUnbonded, 9.5 / heUnbonded}},
        {LayerType::TwoLayerBonded, {heBonded, 2 * (9.5 - X) / heBonded}},
    };
    for (const auto& [layer, section] : layers) {
        const auto [he, factor] = section;
        const float heSingle = static_cast<float>(he);
        const double edge = factor * WestergaardEdge(Pw, heSingle, E1, k, a, mu);
        const double corner = factor * WestergaardCorner(Pw, heSingle, E1, k, a, mu);
        const double interior = factor * WestergaardInterior(Pw, heSingle, E1, k, a, mu);
        for (const WheelLocation location :
             {WheelLocation::Interior, WheelLocation::Edge, WheelLocation::Corner}) {
            SCOPED_TRACE(std::string(layerName(layer)) + " at " + std::string(locationName(location)));
            AnalysisCase record = englishCase(location, GearConfiguration::DualSingle);
            record.layer = layer;
            AnalysisResults results;
            AnalysisDriver(record, results);
            EXPECT_NEAR(results.TopEdgeStress, edge, sixDigits(edge));
            EXPECT_NEAR(results.TopCornerStress, corner, sixDigits(corner));
            EXPECT_NEAR(results.TopInteriorStress, interior, sixDigits(interior));
            const double top = location == WheelLocation::Edge     ? results.TopEdgeStress
                               : location == WheelLocation::Corner ? results.TopCornerStress
                                                                   : results.TopInteriorStress;
            const double slab = location == WheelLocation::Edge     ? results.SlabEdgeStress
                                : location == WheelLocation::Corner ? results.SlabCornerStress
                                                                    : results.SlabInteriorStress;
            EXPECT_FLOAT_EQ(results.SecondLayerFactor, static_cast<float>(top / slab));
        }
    }
}

TEST(AnalysisDriver, SecondLayerWithoutThicknessOrStiffnessLeavesTheSlab) {
    AnalysisCase unbonded = englishCase(WheelLocation::Interior, GearConfiguration::DualSingle);
    unbonded.layer = LayerType::TwoLayerUnbonded;
    unbonded.h2 = "0";
    AnalysisCase bonded = unbonded;
    bonded.layer = LayerType::TwoLayerBonded;
    bonded.h2 = "6";
    bonded.E2 = "0";

    for (AnalysisCase record : {unbonded, bonded}) {
        SCOPED_TRACE(layerName(record.layer));
        record.F = "20";
        for (const WheelLocation location : {WheelLocation::Interior, WheelLocation::Corner}) {
            record.location = location;
            AnalysisResults results;
            AnalysisDriver(record, results);
            EXPECT_NEAR(results.TopEdgeStress, results.SlabEdgeStress, sixDigits(results.SlabEdgeStress));
            EXPECT_NEAR(results.TopCornerStress, results.SlabCornerStress,
                        sixDigits(results.SlabCornerStress));
            EXPECT_NEAR(results.TopInteriorStress, results.SlabInteriorStress,
                        sixDigits(results.SlabInteriorStress));
            EXPECT_NEAR(results.SecondLayerFactor, 1, 1e-6);
        }

        // At the edge the driver finishes; the edge model's bottom-layer stress then divides by zero.
        record.location = WheelLocation::Edge;
        AnalysisResults results = earlierResults();
        EXPECT_EQ(faultOf(record, results), "MdBottom");
        EXPECT_NEAR(results.TopEdgeStress, results.SlabEdgeStress, sixDigits(results.SlabEdgeStress));
        EXPECT_NEAR(results.SecondLayerFactor, 1, 1e-6);
        EXPECT_NEAR(results.l, lDefault, lDefault * 1e-12);
        EXPECT_FLOAT_EQ(results.L_l, static_cast<float>(180 / lDefault));
        EXPECT_EQ(results.CurlStress, WestergaardEdgeCurl(E1, alpha, 20, 180, h1, k, mu));
        expectWritten(results, ratioFields);
        EXPECT_NEAR(results.MdSecondLayer, 1, 1e-6);
        EXPECT_NE(results.MdEdgeInfSlab, Unset);
        EXPECT_NE(results.MdCurlStress, Unset);
        EXPECT_NE(results.MdTopLayerStress, Unset);
        EXPECT_FLOAT_EQ(results.MdCombinedStress, results.MdCurlStress + results.MdTopLayerStress);
        EXPECT_EQ(results.MdBottomLayerStress, Unset);
    }
}

TEST(AnalysisDriver, EdgeModelRunsAtTheEdgeForTheGearsItSupports) {
    const GearConfiguration gears[] = {GearConfiguration::SingleSingle, GearConfiguration::SingleTandem,
                                       GearConfiguration::SingleTridem, GearConfiguration::DualSingle,
                                       GearConfiguration::DualTandem,   GearConfiguration::DualTridem};
    for (const WheelLocation location :
         {WheelLocation::Interior, WheelLocation::Edge, WheelLocation::Corner}) {
        for (const GearConfiguration gear : gears) {
            SCOPED_TRACE(std::string(gearName(gear)) + " at " + std::string(locationName(location)));
            const AnalysisCase record = englishCase(location, gear);
            const bool runs = location == WheelLocation::Edge && gear != GearConfiguration::SingleTandem &&
                              gear != GearConfiguration::SingleTridem;
            EXPECT_EQ(runsEdgeStressModel(record), runs);
            AnalysisResults results = earlierResults();
            AnalysisDriver(record, results);
            if (runs) {
                expectWritten(results, edgeModelFields);
            } else {
                expectKept(results, edgeModelFields);
            }
        }
    }
}

TEST(AnalysisDriver, EdgeModelReceivesTheCaseInItsCodes) {
    // Gear codes 0 to 3: Single-Single, Dual-Single, Dual-Tandem, Dual-Tridem.
    const std::pair<GearConfiguration, GearCode> gearCodes[] = {
        {GearConfiguration::SingleSingle, GearCode::SingleSingle},
        {GearConfiguration::DualSingle, GearCode::DualSingle},
        {GearConfiguration::DualTandem, GearCode::DualTandem},
        {GearConfiguration::DualTridem, GearCode::DualTridem},
    };
    const float lSingle = static_cast<float>(lDefault);
    for (const auto& [gear, code] : gearCodes) {
        AnalysisResults results;
        AnalysisDriver(englishCase(WheelLocation::Edge, gear), results);
        const float aEq = MdRadius({.gear = code, .tp = 100, .P = 18000, .S = 12, .t = 50}, lSingle);
        EXPECT_FLOAT_EQ(results.MdEdgeInfSlab,
                        MdInfSlab({.h1 = h1, .k = k, .P = 18000, .mu = mu, .E1 = E1, .d = 88}, aEq))
            << gearName(gear);
    }

    // Layer codes 2 (unbonded) and 3 (bonded); tied shoulder 2; widened lane 1; the whole axle load.
    const std::pair<LayerType, LayerCode> layerCodes[] = {
        {LayerType::TwoLayerUnbonded, LayerCode::TwoLayerUnbonded},
        {LayerType::TwoLayerBonded, LayerCode::TwoLayerBonded}};
    for (const auto& [layer, code] : layerCodes) {
        AnalysisCase record = englishCase(WheelLocation::Edge, GearConfiguration::DualSingle);
        record.layer = layer;
        record.tiedShoulder = true;
        record.widenedLane = true;
        record.F = "20";
        AnalysisResults results;
        AnalysisDriver(record, results);
        const float aEq =
            MdRadius({.gear = GearCode::DualSingle, .tp = 100, .P = 18000, .S = 12, .t = 50}, lSingle);
        EXPECT_FLOAT_EQ(
            results.MdSecondLayer,
            MdLayer(
                {.h1 = h1, .k = k, .P = 18000, .mu = mu, .E1 = E1, .E2 = 2000000, .h2 = 6, .layers = code},
                aEq));
        EXPECT_FLOAT_EQ(
            results.MdBottomLayerStress,
            MdBottom(
                {.h1 = h1, .k = k, .P = 18000, .mu = mu, .E1 = E1, .E2 = 2000000, .h2 = 6, .layers = code},
                aEq));
        EXPECT_FLOAT_EQ(
            results.MdTiedShoulder,
            MdTied({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .tied = TiedCode::Tied, .AGG_kl = results.AGG_kl},
                   aEq));
        EXPECT_FLOAT_EQ(
            results.MdWidenedLane,
            MdWidened({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .widened = WidenedFlag::Widened, .d0 = 24},
                      aEq));
        EXPECT_FLOAT_EQ(results.MdCurlStress,
                        MdCurl({.L = 180, .k = k, .dT = 20, .alpha = alpha, .E1 = E1}, lSingle));
    }
}

TEST(AnalysisDriver, DegenerateInputsFaultBeforeAnyField) {
    const std::pair<Field, const char*> degenerate[] = {
        {Field::k, "0"}, {Field::h1, "0"}, {Field::mu1, "1"}, {Field::tp, "0"}, {Field::P, ""},
    };
    for (const auto& [field, text] : degenerate) {
        SCOPED_TRACE(fieldName(field));
        AnalysisCase record = englishCase(WheelLocation::Edge, GearConfiguration::DualSingle);
        record.text(field) = text;
        AnalysisResults results = earlierResults();
        // tp = 0 leaves no contact area; the others stop the first Westergaard stress.
        EXPECT_EQ(faultOf(record, results), field == Field::tp ? "AnalysisDriver" : "WestergaardEdge");
        expectKept(results, slabFields);
        expectKept(results, topLayerFields);
        expectKept(results, ratioFields);
        expectKept(results, edgeModelFields);
        EXPECT_EQ(results.l, Unset);
        EXPECT_EQ(results.CurlStress, Unset);
    }
}

TEST(AnalysisDriver, FaultKeepsTheFieldsWrittenBeforeIt) {
    // A second layer of negative thickness: (9.5^3 + 0.5 (-20)^3)^(1/3) has no real value.
    AnalysisCase negative = englishCase(WheelLocation::Interior, GearConfiguration::DualSingle);
    negative.layer = LayerType::TwoLayerUnbonded;
    negative.h2 = "-20";
    AnalysisResults results = earlierResults();
    EXPECT_EQ(faultOf(negative, results), "AnalysisDriver");
    expectWritten(results, slabFields);
    expectKept(results, topLayerFields);
    expectKept(results, ratioFields);
    EXPECT_EQ(results.l, Unset);
    EXPECT_EQ(results.CurlStress, Unset);

    // dT = 1e38 degF with alpha = 1e-5: ADT = 1e38 still fits in single precision, the curling stress
    // 4e6 x 1e-5 x 1e38 / 1.7 = 2.4e39 does not.
    for (const WheelLocation location : {WheelLocation::Interior, WheelLocation::Edge}) {
        SCOPED_TRACE(locationName(location));
        AnalysisCase record = englishCase(location, GearConfiguration::DualSingle);
        record.F = "1e38";
        record.alp = "1e-5";
        results = earlierResults();
        EXPECT_EQ(faultOf(record, results),
                  location == WheelLocation::Edge ? "WestergaardEdgeCurl" : "AnalysisDriver");
        expectWritten(results, slabFields);
        expectWritten(results, topLayerFields);
        expectWritten(results, ratioFields);
        EXPECT_FLOAT_EQ(results.ADT, static_cast<float>(100000 * static_cast<double>(1e38f) * 1e-5f));
        EXPECT_NEAR(results.l, lDefault, lDefault * 1e-12);
        EXPECT_EQ(results.CurlStress, Unset);
        // At the edge the model would have run after the curling stress.
        expectKept(results, edgeModelFields);
    }
}
