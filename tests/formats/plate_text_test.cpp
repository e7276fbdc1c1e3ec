// SPDX-License-Identifier: Apache-2.0
// The plate model beside the analysis: the text in either unit system, the JSON, and the ratios the
// fitted models clamp.

#include "formats/plate_text.h"

#include "../case_row.h"
#include "engine/result_fields.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvanex {
namespace {

using R = AnalysisResults;

// A comparison with round numbers: the analysis 200, 100 and 250 psi against the plate's 210, 0 and
// 280.5 psi; two tires of 4500 lbs; L/l clamped from 5.0217 to 5.
PlateComparison comparison() {
    PlateComparison c;
    c.analysis.LoadingStressOnly = 200;
    c.analysis.CurlStress = 100;
    c.analysis.CombinedStress = 250;
    c.clamped = {{&resultFieldOf(&R::L_l), 5.0217f, 5.0f}, {&resultFieldOf(&R::AGG_kl), 0.5f, 1.0f}};
    c.model.tires = {{{90, 140}, 6.71, 4500}, {{90, 128}, 6.71, 4500}};
    c.model.shoulderWidth = 120;
    c.plate.responses[0] = {{210, {90, 144}}, {50, {10, 20}}, 0.01822f, 0.019f, {91, 143.5}, 9000.000001};
    c.plate.responses[1] = {{0, {0, 0}}, {0, {0, 0}}, 0, 0, {0, 0}, 0};
    c.plate.responses[2] = {{100, {90, 144}}, {280.5f, {30, 40}}, 0.02f, 0.03f, {0, 0}, 9000};
    c.plate.appliedLoad = 9000;
    c.plate.elementCount = 1620;
    c.plate.unknownCount = 6820;
    return c;
}

AnalysisCase edgeCase(UnitSystem units, const char* fields) {
    return caseOf({"", units, WheelLocation::Edge, GearConfiguration::DualSingle, LayerType::OneLayer, true,
                   false, fields});
}

TEST(PlateText, SetsThePlateModelBesideTheAnalysisInTheCasesUnits) {
    EXPECT_EQ(plateComparisonText(edgeCase(UnitSystem::English, "F=20"), comparison()),
              (std::vector<std::string>{
                  "Plate model beside the fitted factors: Edge Stress Analysis, Dual-Single",
                  "Load: the whole gear, 2 tires of 4500.0 lbs on squares of 6.71 in",
                  "Tied shoulder 120.0 in wide",
                  "Mesh: default, 1620 elements, 6820 unknowns",
                  "",
                  "                                               Analysis  Plate Model   Difference",
                  "Loading Stress Only (psi)                         200.0        210.0       +5.0 %",
                  "Westergaard Edge Curling Stress (psi)             100.0          0.0     -100.0 %",
                  "Combined Loading & Curling Stress (psi)           250.0        280.5      +12.2 %",
                  "",
                  "Plate model under the load alone:",
                  "  Largest tensile stress: 210.0 psi at the bottom, x = 90.00 in, y = 144.00 in",
                  "  Deflection on the outer edge beside the first tire: 0.01822 in",
                  "  Largest deflection: 0.01900 in at x = 91.00 in, y = 143.50 in",
                  "  Foundation reaction: 9000.0 lbs against a load of 9000.0 lbs on the plates",
                  "Plate model under the load and curling:",
                  "  Largest tensile stress: 280.5 psi at the top, x = 30.00 in, y = 40.00 in",
                  "",
                  "Ratios clamped to the range the fitted models were fitted on:",
                  "  L/l = 5.022, computed as 5.000",
                  "  AGG/kl = 0.500, computed as 1.000",
              }));
}

// Metric: psi x 6.89 = kPa, in x 2.54 = cm, lbs x 0.00445 = kN. One tire where the closed forms put
// it, no shoulder, no curling, nothing clamped; a difference against no analysis stress cannot be formed.
TEST(PlateText, MetricSingleTireWithoutCurlingOrClampedRatios) {
    PlateComparison single = comparison();
    single.options = {DefaultShoulderWidth, PlateMesh::Coarse, PlateLoad::SingleTire};
    single.model.tires.resize(1);
    single.model.shoulderWidth = 0;
    single.analysis.CurlStress = 0;
    single.plate.responses[1].top.stress = 3;
    single.clamped.clear();
    single.plate.appliedLoad = 10000;
    single.plate.responses[0].totalReaction = 10000;
    const std::vector<std::string> lines = plateComparisonText(edgeCase(UnitSystem::Metric, "F=0"), single);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[1], "Load: one tire of 20.0 kN on a square of 17.04 cm, as the closed forms place it");
    EXPECT_EQ(lines[2], "No tied shoulder");
    EXPECT_EQ(lines[3], "Mesh: coarse, 1620 elements, 6820 unknowns");
    EXPECT_EQ(lines[6], "Loading Stress Only (kPa)                        1378.0       1446.9       +5.0 %");
    EXPECT_EQ(lines[7], "Westergaard Edge Curling Stress (kPa)               0.0         20.7    undefined");
    EXPECT_EQ(lines[11], "  Largest tensile stress: 1446.9 kPa at the bottom, x = 228.60 cm, y = 365.76 cm");
    EXPECT_EQ(lines[12], "  Deflection on the outer edge beside the first tire: 0.04628 cm");
    EXPECT_EQ(lines[14], "  Foundation reaction: 44.5 kN against a load of 44.5 kN on the plates");
    EXPECT_EQ(lines[16], "No ratio was clamped to the range the fitted models were fitted on.");

    single.plate.responses[1].top.stress = 0;
    EXPECT_EQ(plateComparisonText(edgeCase(UnitSystem::Metric, "F=0"), single)[7],
              "Westergaard Edge Curling Stress (kPa)               0.0          0.0         none");
}

// The desktop shows the table's cells apart, and a case it cannot compare in words.
TEST(PlateText, TheTablesCellsApartAndAFaultInWords) {
    EXPECT_EQ(
        plateComparisonParts(edgeCase(UnitSystem::English, "F=20"), comparison()).stresses[1],
        (std::vector<std::string>{"Westergaard Edge Curling Stress (psi)", "100.0", "0.0", "-100.0 %"}));
    EXPECT_EQ(plateFaultText(FloatingPointFault("PlateModel", "stiffness factorisation")),
              "The plate model was not compared: the computation stopped on a floating-point fault in "
              "PlateModel (stiffness factorisation). Please check k, h1, E1, μ1, the tire pressure and the "
              "two-layer values.");
}

TEST(PlateText, JsonGivesEveryNumberInPsiInchesAndPounds) {
    EXPECT_EQ(plateComparisonJson(comparison()), "{\n"
                                                 "  \"plate\": {\n"
                                                 "    \"loading_stress\": 210,\n"
                                                 "    \"loading_stress_face\": \"bottom\",\n"
                                                 "    \"curling_stress\": 0,\n"
                                                 "    \"combined_stress\": 280.5,\n"
                                                 "    \"reference_deflection\": 0.01822,\n"
                                                 "    \"max_deflection\": 0.019,\n"
                                                 "    \"total_reaction\": 9000.000001\n"
                                                 "  },\n"
                                                 "  \"analysis\": {\n"
                                                 "    \"loading_stress\": 200,\n"
                                                 "    \"curling_stress\": 100,\n"
                                                 "    \"combined_stress\": 250\n"
                                                 "  },\n"
                                                 "  \"clamped\": [\n"
                                                 "    \"L_l\",\n"
                                                 "    \"AGG_kl\"\n"
                                                 "  ]\n"
                                                 "}\n");
}

// The default slab is 180 in long: 40 ft = 480 in puts L/l beyond the fitted range, and the ratio is
// named with the value the case gives, 480 / l; with a temperature differential nothing is clamped.
TEST(PlateComparison, NamesTheRatiosTheFittedModelsClamped) {
    PlateOptions coarse;
    coarse.mesh = PlateMesh::Coarse;
    const PlateComparison longSlab = comparePlate(edgeCase(UnitSystem::English, "L=40 F=20"), coarse);
    ASSERT_EQ(longSlab.clamped.size(), 1u);
    EXPECT_EQ(longSlab.clamped[0].field->name, "L_l");
    EXPECT_NEAR(longSlab.clamped[0].given, 480 / longSlab.analysis.l, 1e-5);
    EXPECT_EQ(longSlab.clamped[0].used, longSlab.analysis.L_l);
    EXPECT_LT(longSlab.clamped[0].used, longSlab.clamped[0].given);
    EXPECT_TRUE(comparePlate(edgeCase(UnitSystem::English, "F=20"), coarse).clamped.empty());
}

} // namespace
} // namespace korvanex
