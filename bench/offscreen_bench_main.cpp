// SPDX-License-Identifier: Apache-2.0
#include "offscreen_application.h"

#include <benchmark/benchmark.h>

// The main of the benchmarks that time windows: they run on the offscreen platform.
int main(int argc, char* argv[]) {
    korvanex::OffscreenApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
