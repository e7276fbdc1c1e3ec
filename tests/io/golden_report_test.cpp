// Golden reports: whole report files of cases that together take every wheel location with every gear,
// each option alone (a tied shoulder without a widened lane and the reverse, bonded and unbonded layers)
// and temperature differentials of both signs, compared byte for byte.
//
// Reviewing a reference: open tests/data/reports/<name>.PRN and check it against the layout rules:
// leading blanks for the tab columns (title lines at columns 21-23, data lines at 10, factor lines at
// 12), the exact literals, the number pattern of each line, CR LF after every line, the sections that
// the case's location, gear, layers, temperature differential and detailed mark call for.
// Updating after an intended change: run this test with KORVANEX_UPDATE_GOLDEN=1 in the environment,
// then review the diff of the reference files line by line before committing it.

#include "../golden_file.h"
#include "engine/compute_stresses.h"
#include "io/report.h"

#include <gtest/gtest.h>

using namespace korvanex;

namespace {

using enum WheelLocation;
using enum GearConfiguration;
using enum LayerType;
constexpr UnitSystem English = UnitSystem::English;
constexpr UnitSystem Metric = UnitSystem::Metric;

struct GoldenCase {
    const char* name;
    UnitSystem units;
    WheelLocation location;
    GearConfiguration gear;
    LayerType layer;
    bool tied;
    bool widened;
    const char* F;
    bool detailed;
};

const GoldenCase goldenCases[] = {
    {"default-english", English, Edge, DualSingle, OneLayer, false, false, "0", false},
    {"default-metric", Metric, Edge, DualSingle, OneLayer, false, false, "0", false},
    {"default-english-detailed", English, Edge, DualSingle, OneLayer, false, false, "0", true},
    {"interior-english", English, Interior, DualSingle, OneLayer, false, false, "0", false},
    {"corner-english-curling", English, Corner, DualSingle, OneLayer, false, false, "20", true},
    {"edge-single-tandem", English, Edge, SingleTandem, OneLayer, false, false, "0", false},
    {"two-layer-tied-widened-curling", English, Edge, DualTandem, TwoLayerBonded, true, true, "-15", false},
    {"two-layer-tied-widened-curling-detailed", English, Edge, DualTandem, TwoLayerBonded, true, true, "-15",
     true},
    {"unbonded-metric-interior-detailed", Metric, Interior, DualTridem, TwoLayerUnbonded, false, false, "10",
     true},
    {"edge-single-single-tied", English, Edge, SingleSingle, OneLayer, true, false, "18", true},
    {"edge-single-tridem-widened", English, Edge, SingleTridem, OneLayer, false, true, "12", true},
    {"edge-dual-tridem-unbonded-tied-cooling", English, Edge, DualTridem, TwoLayerUnbonded, true, false,
     "-10", true},
    {"edge-dual-single-widened-cooling", Metric, Edge, DualSingle, OneLayer, false, true, "-11", true},
    {"interior-single-single-cooling", English, Interior, SingleSingle, OneLayer, false, false, "-12", true},
    {"interior-single-tandem-bonded-tied-widened", English, Interior, SingleTandem, TwoLayerBonded, true,
     true, "15", true},
    {"interior-single-tridem", Metric, Interior, SingleTridem, OneLayer, false, false, "8", true},
    {"interior-dual-tandem", English, Interior, DualTandem, OneLayer, false, false, "0", true},
    {"corner-single-single-widened", English, Corner, SingleSingle, OneLayer, false, true, "0", true},
    {"corner-single-tandem-bonded-tied-cooling", English, Corner, SingleTandem, TwoLayerBonded, true, false,
     "-8", true},
    {"corner-single-tridem-unbonded", Metric, Corner, SingleTridem, TwoLayerUnbonded, false, false, "6",
     true},
    {"corner-dual-tandem-tied-widened", English, Corner, DualTandem, OneLayer, true, true, "10", true},
    {"corner-dual-tridem-widened", English, Corner, DualTridem, OneLayer, false, true, "-14", true},
};

AnalysisCase recordOf(const GoldenCase& golden) {
    AnalysisCase record = AnalysisCase::defaults(golden.units);
    record.location = golden.location;
    record.gear = golden.gear;
    record.layer = golden.layer;
    record.tiedShoulder = golden.tied;
    record.widenedLane = golden.widened;
    record.F = golden.F;
    return record;
}

} // namespace

TEST(GoldenReport, EveryCaseMatchesItsReferenceFile) {
    for (const GoldenCase& golden : goldenCases) {
        const AnalysisCase record = recordOf(golden);
        AnalysisResults results;
        computeStresses(record, results);
        const std::string report = reportFileText(WriteReport(record, golden.detailed, results));
        const std::string path = std::string(KORVANEX_TEST_DATA "/reports/") + golden.name + ".PRN";
        EXPECT_EQ(goldenDifference(path, report), "");
    }
}
