// Golden reports: whole report files of representative cases, compared byte for byte.
//
// Reviewing a reference: open tests/data/reports/<name>.PRN and check it against the layout rules:
// leading blanks for the tab columns (title lines at columns 21-23, data lines at 10, factor lines at
// 12), the exact literals, the number pattern of each line, CR LF after every line, the sections that
// the case's location, gear, layers, temperature differential and detailed mark call for.
// Updating after an intended change: run this test with KORVANEX_UPDATE_GOLDEN=1 in the environment,
// then review the diff of the reference files line by line before committing it.

#include "engine/compute_stresses.h"
#include "io/report.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

using namespace korvanex;

namespace {

struct GoldenCase {
    const char* name;
    AnalysisCase record;
    bool detailed;
};

AnalysisCase twoLayerEdge() {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.gear = GearConfiguration::DualTandem;
    record.layer = LayerType::TwoLayerBonded;
    record.tiedShoulder = true;
    record.widenedLane = true;
    record.F = "-15";
    return record;
}

AnalysisCase located(UnitSystem units, WheelLocation location, const char* F) {
    AnalysisCase record = AnalysisCase::defaults(units);
    record.location = location;
    record.F = F;
    return record;
}

std::vector<GoldenCase> goldenCases() {
    AnalysisCase singleTandem = AnalysisCase::defaults(UnitSystem::English);
    singleTandem.gear = GearConfiguration::SingleTandem;
    AnalysisCase unbondedMetric = located(UnitSystem::Metric, WheelLocation::Interior, "10");
    unbondedMetric.layer = LayerType::TwoLayerUnbonded;
    unbondedMetric.gear = GearConfiguration::DualTridem;
    return {
        {"default-english", AnalysisCase::defaults(UnitSystem::English), false},
        {"default-metric", AnalysisCase::defaults(UnitSystem::Metric), false},
        {"default-english-detailed", AnalysisCase::defaults(UnitSystem::English), true},
        {"interior-english", located(UnitSystem::English, WheelLocation::Interior, "0"), false},
        {"corner-english-curling", located(UnitSystem::English, WheelLocation::Corner, "20"), true},
        {"edge-single-tandem", singleTandem, false},
        {"two-layer-tied-widened-curling", twoLayerEdge(), false},
        {"two-layer-tied-widened-curling-detailed", twoLayerEdge(), true},
        {"unbonded-metric-interior-detailed", unbondedMetric, true},
    };
}

std::string referencePath(const char* name) {
    return std::string(KORVANEX_TEST_DATA) + "/reports/" + name + ".PRN";
}

std::string readAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

} // namespace

TEST(GoldenReport, MatchesTheReferenceFiles) {
    const bool update = std::getenv("KORVANEX_UPDATE_GOLDEN") != nullptr;
    for (const GoldenCase& golden : goldenCases()) {
        SCOPED_TRACE(golden.name);
        AnalysisResults results;
        computeStresses(golden.record, results);
        const std::string report = reportFileText(WriteReport(golden.record, golden.detailed, results));
        if (update) {
            std::ofstream(referencePath(golden.name), std::ios::binary) << report;
        }
        EXPECT_EQ(report, readAll(referencePath(golden.name)));
    }
}
