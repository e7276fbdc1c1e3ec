// SPDX-License-Identifier: Apache-2.0
#include "engine/westergaard.h"

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

using LoadingRoutine = float (*)(float P, float h, float E, float k, float a, float mu);

// The textbook case: 9000 lb on a 6 in radius, 8 in slab of 4,000,000 psi on k = 100 pci.
void loadingStress(benchmark::State& state, LoadingRoutine routine) {
    float P = 9000, h = 8, E = 4000000, k = 100, a = 6, mu = 0.15f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(P);
        benchmark::DoNotOptimize(h);
        benchmark::DoNotOptimize(E);
        benchmark::DoNotOptimize(k);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(mu);
        float stress = routine(P, h, E, k, a, mu);
        benchmark::DoNotOptimize(stress);
    }
}

} // namespace

BENCHMARK_CAPTURE(loadingStress, WestergaardInterior, WestergaardInterior);
BENCHMARK_CAPTURE(loadingStress, WestergaardEdge, WestergaardEdge);
BENCHMARK_CAPTURE(loadingStress, WestergaardCorner, WestergaardCorner);
