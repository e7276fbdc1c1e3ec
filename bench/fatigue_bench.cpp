// SPDX-License-Identifier: Apache-2.0
#include "case/analysis_case.h"
#include "studies/fatigue_damage.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

using namespace korvanex;

namespace {

constexpr int SpectrumGroups = 100;

// A spectrum of 100 load groups on the default edge case: every gear, loads from 8,000 to 57,500 lbs
// rising from row to row, temperature differentials of 0 to 15 oF, fewer passes of the heavier loads.
TrafficSpectrum generatedSpectrum() {
    static const char* const gears[] = {"single-single", "single-tandem", "single-tridem",
                                        "dual-single",   "dual-tandem",   "dual-tridem"};
    std::string csv = "gear,P,F,repetitions\n";
    for (int row = 0; row < SpectrumGroups; ++row) {
        csv += gears[row % 6];
        csv += ',' + std::to_string(8000 + row * 500) + ',' + std::to_string(row % 4 * 5) + ',' +
               std::to_string(2000000 - row * 19000) + '\n';
    }
    std::istringstream in(csv);
    TrafficSpectrum spectrum;
    readSpectrum(in, AnalysisCase::defaults(UnitSystem::English), spectrum);
    return spectrum;
}

// The damage table of the spectrum and the thickness that carries it, for a modulus of rupture that
// puts the answer inside the typical range (MR = 650 psi) or beyond it (MR = 150 psi, where every
// grid point fails).
void BM_FatigueWithThicknessSolved(benchmark::State& state) {
    const TrafficSpectrum spectrum = generatedSpectrum();
    FatigueSettings settings;
    settings.modulusOfRupture = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeFatigue(spectrum, settings));
        benchmark::DoNotOptimize(solveThickness(spectrum, settings));
    }
}
BENCHMARK(BM_FatigueWithThicknessSolved)->Arg(650)->Arg(150)->Unit(benchmark::kMillisecond);

} // namespace
