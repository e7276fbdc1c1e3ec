// SPDX-License-Identifier: Apache-2.0
#include "analysis_mix.h"
#include "case/analysis_case.h"
#include "engine/analysis_driver.h"
#include "engine/analysis_results.h"
#include "engine/combs.h"
#include "engine/compute_stresses.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

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

// The mix of bench/analysis_instructions.sh, each case from its field numbers as read once: the
// time per analysis is the time per item.
void mixOfAnalyses(benchmark::State& state) {
    const std::vector<MixCase> cases = analysisMix();
    AnalysisResults results;
    for (auto _ : state) {
        for (const MixCase& one : cases) {
            computeStresses(one.record, one.numbers, results);
            benchmark::DoNotOptimize(results);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}

} // namespace

BENCHMARK(mixOfAnalyses);
BENCHMARK_CAPTURE(fullAnalysis, DefaultCase, GearConfiguration::DualSingle);
BENCHMARK_CAPTURE(fullAnalysis, EdgeDualTandem, GearConfiguration::DualTandem);
