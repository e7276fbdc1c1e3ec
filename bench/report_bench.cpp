// SPDX-License-Identifier: Apache-2.0
#include "engine/compute_stresses.h"
#include "formats/report.h"

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

// The longest report: two layers at the edge with a tied shoulder, a widened lane, a temperature
// differential and the detailed section, in metric units (every stress multiplied into kPa).
void longestReportText(benchmark::State& state) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    record.gear = GearConfiguration::DualTandem;
    record.layer = LayerType::TwoLayerBonded;
    record.tiedShoulder = true;
    record.widenedLane = true;
    record.F = "10";
    AnalysisResults results;
    computeStresses(record, results);
    for (auto _ : state) {
        benchmark::DoNotOptimize(record);
        std::string text = reportFileText(WriteReport(record, true, results));
        benchmark::DoNotOptimize(text);
    }
}

} // namespace

BENCHMARK(longestReportText);
