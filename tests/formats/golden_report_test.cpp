// SPDX-License-Identifier: Apache-2.0
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

#include "../case_row.h"
#include "../golden_file.h"
#include "engine/compute_stresses.h"
#include "formats/report.h"

#include <gtest/gtest.h>

using namespace korvanex;

namespace {

using enum WheelLocation;
using enum GearConfiguration;
using enum LayerType;
constexpr UnitSystem English = UnitSystem::English;
constexpr UnitSystem Metric = UnitSystem::Metric;

// The report's options over the case; the detailed mark last.
struct GoldenCase {
    CaseRow row;
    bool detailed;
};

const GoldenCase goldenCases[] = {
    // clang-format off
    {{"default-english",                            English, Edge,     DualSingle,   OneLayer,         false, false, ""},    false},
    {{"default-metric",                             Metric,  Edge,     DualSingle,   OneLayer,         false, false, ""},    false},
    {{"default-english-detailed",                   English, Edge,     DualSingle,   OneLayer,         false, false, ""},    true},
    {{"interior-english",                           English, Interior, DualSingle,   OneLayer,         false, false, ""},    false},
    {{"corner-english-curling",                     English, Corner,   DualSingle,   OneLayer,         false, false, "F=20"},  true},
    {{"edge-single-tandem",                         English, Edge,     SingleTandem, OneLayer,         false, false, ""},    false},
    {{"two-layer-tied-widened-curling",             English, Edge,     DualTandem,   TwoLayerBonded,   true,  true,  "F=-15"}, false},
    {{"two-layer-tied-widened-curling-detailed",    English, Edge,     DualTandem,   TwoLayerBonded,   true,  true,  "F=-15"}, true},
    {{"unbonded-metric-interior-detailed",          Metric,  Interior, DualTridem,   TwoLayerUnbonded, false, false, "F=10"},  true},
    {{"edge-single-single-tied",                    English, Edge,     SingleSingle, OneLayer,         true,  false, "F=18"},  true},
    {{"edge-single-tridem-widened",                 English, Edge,     SingleTridem, OneLayer,         false, true,  "F=12"},  true},
    {{"edge-dual-tridem-unbonded-tied-cooling",     English, Edge,     DualTridem,   TwoLayerUnbonded, true,  false, "F=-10"}, true},
    {{"edge-dual-single-widened-cooling",           Metric,  Edge,     DualSingle,   OneLayer,         false, true,  "F=-11"}, true},
    {{"interior-single-single-cooling",             English, Interior, SingleSingle, OneLayer,         false, false, "F=-12"}, true},
    {{"interior-single-tandem-bonded-tied-widened", English, Interior, SingleTandem, TwoLayerBonded,   true,  true,  "F=15"},  true},
    {{"interior-single-tridem",                     Metric,  Interior, SingleTridem, OneLayer,         false, false, "F=8"},   true},
    {{"interior-dual-tandem",                       English, Interior, DualTandem,   OneLayer,         false, false, ""},    true},
    {{"corner-single-single-widened",               English, Corner,   SingleSingle, OneLayer,         false, true,  ""},    true},
    {{"corner-single-tandem-bonded-tied-cooling",   English, Corner,   SingleTandem, TwoLayerBonded,   true,  false, "F=-8"},  true},
    {{"corner-single-tridem-unbonded",              Metric,  Corner,   SingleTridem, TwoLayerUnbonded, false, false, "F=6"},   true},
    {{"corner-dual-tandem-tied-widened",            English, Corner,   DualTandem,   OneLayer,         true,  true,  "F=10"},  true},
    {{"corner-dual-tridem-widened",                 English, Corner,   DualTridem,   OneLayer,         false, true,  "F=-14"}, true},
    // clang-format on
};

} // namespace

TEST(GoldenReport, EveryCaseMatchesItsReferenceFile) {
    for (const GoldenCase& golden : goldenCases) {
        const AnalysisCase record = caseOf(golden.row);
        AnalysisResults results;
        computeStresses(record, results);
        const std::string report = reportFileText(WriteReport(record, golden.detailed, results));
        const std::string path = std::string(KORVANEX_TEST_DATA "/reports/") + golden.row.name + ".PRN";
        EXPECT_EQ(goldenDifference(path, report), "");
    }
}
