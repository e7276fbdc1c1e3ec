// SPDX-License-Identifier: Apache-2.0
#include "case/unit_conversion.h"

#include "case/analysis_case.h"
#include "case/fault.h"

#include <gtest/gtest.h>

#include <limits>

using namespace korvanex;

// The metric defaults worked out by hand in English units: half of 80.1 kN is 40.05 / 0.00445 = 9000 lb,
// 24.1 cm is 9.488 in, 4.57 m is 179.92 in, 35.23 kPa/mm is 130 pci; a temperature difference of 10 degC
// is 18 degF.
TEST(UnitConversion, MetricDefaultsInEnglishComputationUnits) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    record.F = "10";
    const ComputationInputs in = toComputationUnits(record);
    // Each field converted, as written and to within its last digit, in the order P, tp, S, t, d, h1,
    // h2, E1, E2, r1, L, W, k, AGG, d0, alp.
    const double values[][3] = {
        // clang-format off
        {in.P / 2, 9000.0, 0.05}, {in.tp, 100.0, 1e-4}, {in.S, 12.008, 0.0005}, {in.t, 50.0, 0.0005},
        {in.d, 87.992, 0.0005}, {in.h1, 9.488, 0.0005}, {in.h2, 5.984, 0.0005}, {in.E1, 4000000.0, 0.5},
        {in.E2, 2000000.0, 0.5}, {in.r1, 0.0870, 0.00005}, {in.L, 179.92, 0.005}, {in.W, 144.094, 0.0005},
        {in.k, 130.0, 1e-4}, {in.AGG, 25000.0, 0.05}, {in.d0, 24.016, 0.0005}, {in.alp, 5.5e-06, 1e-12},
        // clang-format on
    };
    for (const auto& [converted, expected, tolerance] : values) {
        EXPECT_NEAR(converted, expected, tolerance) << expected;
    }
    EXPECT_EQ(in.F, 18.0f);
    EXPECT_EQ(toComputationUnits(AnalysisCase::defaults(UnitSystem::English)).L, 180.0f);
}

// The largest single value is taken; a metric value that fits in single precision may not after the
// division: 1.6e36 kN is 3.6e38 lb. (Which field faults, and that mu2 and r2 are never read, the
// degenerate-input sweep and the plan's fault text show.)
TEST(UnitConversion, ValueBeyondSingleRangeFaults) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.d = "3.4028235e38";
    EXPECT_EQ(toComputationUnits(record).d, std::numeric_limits<float>::max());
    AnalysisCase metric = AnalysisCase::defaults(UnitSystem::Metric);
    metric.P = "1.6e36";
    EXPECT_THROW(toComputationUnits(metric), FloatingPointFault);
}
