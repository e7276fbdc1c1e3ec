// SPDX-License-Identifier: Apache-2.0
#include "case/analysis_case.h"
#include "plate/plate_case.h"

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

// One solution of the plate model of the default case (Dual-Single at the edge of a 15 ft x 12 ft
// slab, 9.5 in thick on k = 130 pci) with a temperature difference: the mesh, the assembly, the
// factorisation, the three load cases and their stresses. The default mesh must take at most 50 ms
// on one core (taskset -c 1); the gears of more axles and the tied shoulder have more unknowns.
void plateModel(benchmark::State& state, PlateMesh mesh, GearConfiguration gear, bool tied) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.gear = gear;
    record.tiedShoulder = tied;
    record.F = "20";
    PlateOptions options;
    options.mesh = mesh;
    for (auto _ : state) {
        benchmark::DoNotOptimize(record);
        PlateResults results = analysePlate(record, options);
        benchmark::DoNotOptimize(results);
        state.counters["unknowns"] = static_cast<double>(results.unknownCount);
    }
}

} // namespace

BENCHMARK_CAPTURE(plateModel, DefaultMesh, PlateMesh::Default, GearConfiguration::DualSingle, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plateModel, CoarseMesh, PlateMesh::Coarse, GearConfiguration::DualSingle, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plateModel, FineMesh, PlateMesh::Fine, GearConfiguration::DualSingle, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plateModel, DefaultMeshTiedShoulder, PlateMesh::Default, GearConfiguration::DualSingle,
                  true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plateModel, DefaultMeshDualTandem, PlateMesh::Default, GearConfiguration::DualTandem, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plateModel, DefaultMeshDualTridem, PlateMesh::Default, GearConfiguration::DualTridem, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(plateModel, DefaultMeshDualTandemTiedShoulder, PlateMesh::Default,
                  GearConfiguration::DualTandem, true)
    ->Unit(benchmark::kMillisecond);
