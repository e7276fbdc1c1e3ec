// SPDX-License-Identifier: Apache-2.0
#include "case/analysis_case.h"
#include "formats/batch_lines.h"
#include "studies/batch.h"
#include "studies/sweep.h"

#include <benchmark/benchmark.h>

#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

using namespace korvanex;

namespace {

// An output that discards everything, so that only reading, computing and formatting are timed.
class NullBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

constexpr int BatchRows = 100000;

// A batch file whose rows go through every location, gear, layer and both unit systems, with the
// slab thickness, the subgrade and the temperature differential varying from row to row.
std::string generatedBatch(int rows) {
    static const char* const locations[] = {"interior", "edge", "corner"};
    static const char* const gears[] = {"single-single", "single-tandem", "single-tridem",
                                        "dual-single",   "dual-tandem",   "dual-tridem"};
    static const char* const layers[] = {"one", "bonded", "unbonded"};
    std::string csv = "units,location,gear,layer,tied,widened,h1,k,F\n";
    for (int row = 0; row < rows; ++row) {
        const bool metric = row % 7 == 0;
        const double h1 = 6.0 + (row % 17) * 0.5;
        const double k = 50.0 + (row % 13) * 25.0;
        csv += metric ? "metric," : "english,";
        csv += locations[row % 3];
        csv += ',';
        csv += gears[row % 6];
        csv += ',';
        csv += layers[row % 5 % 3];
        csv += row % 2 == 0 ? ",yes" : ",no";
        csv += row % 4 == 0 ? ",yes," : ",no,";
        csv += std::to_string(metric ? h1 * 2.54 : h1) + ',' + std::to_string(metric ? k * 0.271 : k) + ',' +
               std::to_string(row % 5 * 5) + '\n';
    }
    return csv;
}

// The argument is the number of jobs. Wall-clock time: the workers run on their own threads.
void batchRows(benchmark::State& state) {
    const std::string csv = generatedBatch(BatchRows);
    const auto jobs = static_cast<unsigned>(state.range(0));
    NullBuffer discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        std::istringstream in(csv);
        const std::string error = runBatch(in, out, BatchLines(), jobs);
        benchmark::DoNotOptimize(error);
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(BatchRows) * state.iterations(), benchmark::Counter::kIsRate);
}

void sweep200Points(benchmark::State& state) {
    const AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    SweepRange range;
    range.field = Field::h1;
    range.from = 6;
    range.to = 14;
    range.points = 200;
    NullBuffer discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        runSweep(record, range, out, BatchLines());
    }
    state.counters["points/s"] = benchmark::Counter(static_cast<double>(range.points) * state.iterations(),
                                                    benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(batchRows)->Arg(1)->Arg(2)->Arg(machineCores())->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(sweep200Points)->Unit(benchmark::kMillisecond);
