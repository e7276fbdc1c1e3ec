// SPDX-License-Identifier: Apache-2.0
#include "case/analysis_case.h"
#include "engine/analysis_driver.h"
#include "engine/analysis_results.h"
#include "engine/combs.h"

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

// One compute command without the report: the driver, then the factor composition. Each run
// overwrites the ratios that the previous run's models clamped, so the results need no reset.
void fullAnalysis(benchmark::State& state, GearConfiguration gear) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.gear = gear;
    AnalysisResults results;
    for (auto _ : state) {
        benchmark::DoNotOptimize(record);
        AnalysisDriver(record, results);
        combs(record, results);
        benchmark::DoNotOptimize(results);
    }
}

} // namespace

BENCHMARK_CAPTURE(fullAnalysis, DefaultCase, GearConfiguration::DualSingle);
BENCHMARK_CAPTURE(fullAnalysis, EdgeDualTandem, GearConfiguration::DualTandem);
