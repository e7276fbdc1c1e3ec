// SPDX-License-Identifier: Apache-2.0
#include "studies/reliability.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace korvanex;

namespace {

// The README's worked design: the example truck traffic (eight load groups) on the default case,
// MR = 650 psi, 1,000 trucks a day growing 3 % a year over 25 years, with the scatter of its example.
struct WorkedDesign {
    TrafficSpectrum spectrum;
    FatigueSettings fatigue;
    ReliabilitySettings reliability;
};

WorkedDesign workedDesign() {
    std::istringstream csv("gear,P,per_1000_trucks\n"
                           "dual-single,18000,80\ndual-single,22000,35\ndual-single,26000,6.5\n"
                           "dual-single,30000,0.19\ndual-tandem,32000,90\ndual-tandem,40000,40\n"
                           "dual-tandem,48000,9\ndual-tandem,52000,1.5\n");
    SpectrumCells cells;
    readSpectrumCells(csv, cells);
    WorkedDesign design;
    design.spectrum = buildSpectrum(cells, AnalysisCase::defaults(UnitSystem::English),
                                    TrafficSettings{1000, 3, 25, 50, 100});
    design.fatigue.modulusOfRupture = 650;
    design.reliability.of(ScatterInput::H1) = {0.04, ScatterDistribution::Normal};
    design.reliability.of(ScatterInput::E1) = {0.1, ScatterDistribution::Lognormal};
    design.reliability.of(ScatterInput::K) = {0.25, ScatterDistribution::Lognormal};
    design.reliability.of(ScatterInput::ModulusOfRupture) = {0.1, ScatterDistribution::Normal};
    design.reliability.of(ScatterInput::Traffic) = {0.3, ScatterDistribution::Lognormal};
    design.reliability.reliabilityPercent = 90;
    return design;
}

// 8 groups x 10,000 samples at the case's own thickness, on 1 and 2 threads.
void BM_SimulateDamage(benchmark::State& state) {
    const WorkedDesign design = workedDesign();
    const StudyControl control{static_cast<unsigned>(state.range(0)), {}, nullptr};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            simulateDamage(design.spectrum, design.fatigue, design.reliability, control));
    }
}
BENCHMARK(BM_SimulateDamage)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The least thickness at 90 % reliability over the same samples, on 1 and 2 threads.
void BM_ThicknessAtReliability(benchmark::State& state) {
    const WorkedDesign design = workedDesign();
    const StudyControl control{static_cast<unsigned>(state.range(0)), {}, nullptr};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            solveThicknessAtReliability(design.spectrum, design.fatigue, design.reliability, control));
    }
}
BENCHMARK(BM_ThicknessAtReliability)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
