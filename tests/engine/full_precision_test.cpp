// SPDX-License-Identifier: Apache-2.0
// Every result field of about thirty cases at full precision, against one golden file, in every
// build: the plain build and the sanitizer build must compute the same bits.
//
// The golden file holds one line per case and field: the case name, the field name and its value
// with 9 significant digits (17 for the radius of relative stiffness, kept in double precision), so
// that each value reads back as the same bits; a case that faults has the one line "fault: ROUTINE
// (STEP)".
//
// Updating: run the test with KORVANEX_UPDATE_GOLDEN=1 in the environment (see tests/golden_file.h);
// it then writes the file and says so. Review the change with `git diff
// tests/data/full_precision/results.txt`: every changed number needs a reason (a mended formula, an intended
// change of rounding), and the file is committed with it. A normal run fails when the file is missing.

#include "../case_row.h"
#include "../golden_file.h"
#include "case/analysis_case.h"
#include "case/fault.h"
#include "engine/compute_stresses.h"
#include "engine/result_fields.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace korvanex {
namespace {

using G = GearConfiguration;
using Loc = WheelLocation;
using Lay = LayerType;
constexpr UnitSystem Eng = UnitSystem::English;
constexpr UnitSystem SI = UnitSystem::Metric;

const CaseRow Cases[] = {
    // clang-format off
    {"eng-interior-ss",        Eng, Loc::Interior, G::SingleSingle, Lay::OneLayer,         false, false, ""},
    {"eng-interior-st-bond",   Eng, Loc::Interior, G::SingleTandem, Lay::TwoLayerBonded,   false, false, "F=20"},
    {"eng-interior-str-unb",   Eng, Loc::Interior, G::SingleTridem, Lay::TwoLayerUnbonded, true,  true,  "d0=18"},
    {"eng-interior-ds-thick",  Eng, Loc::Interior, G::DualSingle,   Lay::OneLayer,         false, false, "h1=14 k=300"},
    {"eng-interior-dt",        Eng, Loc::Interior, G::DualTandem,   Lay::OneLayer,         true,  false, "F=-15"},
    {"eng-interior-dtr-bond",  Eng, Loc::Interior, G::DualTridem,   Lay::TwoLayerBonded,   false, true,  "L=20 W=12"},
    {"eng-edge-ds",            Eng, Loc::Edge,     G::DualSingle,   Lay::OneLayer,         false, false, "F=15"},
    {"eng-edge-st-bond-neg",   Eng, Loc::Edge,     G::SingleTandem, Lay::TwoLayerBonded,   true,  false, "F=-12"},
    {"eng-edge-dtr-unb",       Eng, Loc::Edge,     G::DualTridem,   Lay::TwoLayerUnbonded, false, true,  "d0=24"},
    {"eng-edge-ss-tied-wide",  Eng, Loc::Edge,     G::SingleSingle, Lay::OneLayer,         true,  true,  "F=30"},
    {"eng-edge-dt-long",       Eng, Loc::Edge,     G::DualTandem,   Lay::OneLayer,         false, false, "L=25 W=12 h1=8"},
    {"eng-edge-str-bond",      Eng, Loc::Edge,     G::SingleTridem, Lay::TwoLayerBonded,   false, false, "h2=6 E2=1000000"},
    {"eng-corner-ss",          Eng, Loc::Corner,   G::SingleSingle, Lay::OneLayer,         false, false, "F=10"},
    {"eng-corner-dt-bond",     Eng, Loc::Corner,   G::DualTandem,   Lay::TwoLayerBonded,   false, false, ""},
    {"eng-corner-dtr-unb-neg", Eng, Loc::Corner,   G::DualTridem,   Lay::TwoLayerUnbonded, true,  true,  "F=-20"},
    {"eng-corner-str-thin",    Eng, Loc::Corner,   G::SingleTridem, Lay::OneLayer,         false, false, "h1=6"},
    {"eng-corner-ds-hot",      Eng, Loc::Corner,   G::DualSingle,   Lay::OneLayer,         true,  false, "F=35 k=150"},
    {"si-interior-ss",         SI,  Loc::Interior, G::SingleSingle, Lay::OneLayer,         false, false, ""},
    {"si-interior-dt-unb",     SI,  Loc::Interior, G::DualTandem,   Lay::TwoLayerUnbonded, true,  false, "F=8"},
    {"si-interior-str-bond",   SI,  Loc::Interior, G::SingleTridem, Lay::TwoLayerBonded,   false, true,  "d0=45"},
    {"si-edge-ds",             SI,  Loc::Edge,     G::DualSingle,   Lay::OneLayer,         false, false, "F=10"},
    {"si-edge-st-neg",         SI,  Loc::Edge,     G::SingleTandem, Lay::OneLayer,         true,  true,  "F=-10"},
    {"si-edge-dtr-bond",       SI,  Loc::Edge,     G::DualTridem,   Lay::TwoLayerBonded,   false, false, "h1=30 L=6"},
    {"si-edge-ss-unb",         SI,  Loc::Edge,     G::SingleSingle, Lay::TwoLayerUnbonded, true,  false, ""},
    {"si-corner-dt",           SI,  Loc::Corner,   G::DualTandem,   Lay::OneLayer,         false, false, "F=12"},
    {"si-corner-ds-bond",      SI,  Loc::Corner,   G::DualSingle,   Lay::TwoLayerBonded,   true,  true,  ""},
    {"si-corner-str-unb",      SI,  Loc::Corner,   G::SingleTridem, Lay::TwoLayerUnbonded, false, false, "F=-6"},
    {"fault-edge-k0",          Eng, Loc::Edge,     G::DualSingle,   Lay::OneLayer,         false, false, "k=0"},
    {"fault-interior-h1-0",    Eng, Loc::Interior, G::SingleSingle, Lay::OneLayer,         false, false, "h1=0"},
    {"fault-corner-mu1-1",     SI,  Loc::Corner,   G::DualTandem,   Lay::OneLayer,         false, false, "mu1=1"},
    {"fault-edge-e1-0",        SI,  Loc::Edge,     G::SingleTandem, Lay::TwoLayerBonded,   false, false, "E1=0"},
    // clang-format on
};

std::string fullPrecision(double value, bool wide) {
    char text[40];
    std::snprintf(text, sizeof text, wide ? "%.17g" : "%.9g", value);
    return text;
}

std::string resultLines(const CaseRow& row) {
    AnalysisResults results;
    try {
        computeStresses(caseOf(row), results);
    } catch (const FloatingPointFault& fault) {
        return std::string(row.name) + " fault: " + fault.routine() + " (" + fault.step() + ")\n";
    }
    std::string lines;
    for (const ResultField& field : resultFields()) {
        lines += std::string(row.name) + " " + std::string(field.name) + " " +
                 fullPrecision(resultValue(results, field), field.wide != nullptr) + "\n";
    }
    return lines;
}

TEST(FullPrecision, EveryResultFieldEqualsTheGoldenFile) {
    std::string computed;
    for (const CaseRow& row : Cases) {
        computed += resultLines(row);
    }
    EXPECT_EQ(goldenDifference(KORVANEX_TEST_DATA "/full_precision/results.txt", computed), "");
}

} // namespace
} // namespace korvanex
