// SPDX-License-Identifier: Apache-2.0
// The fixed mix of analyses (analysis_mix.h) for counting instructions under callgrind
// (bench/analysis_instructions.sh): each case computed REPEATS times from its field numbers as read
// once. The script subtracts a run with REPEATS = 0 (the start-up and the reading of the cases) and
// divides by the analyses.
//
// Usage: analysis_instructions REPEATS [interior|edge|corner|one|two]
// The optional word keeps only the cases at one location or with one or two layers.

#include "analysis_mix.h"
#include "case/fault.h"
#include "engine/analysis_results.h"
#include "engine/compute_stresses.h"

#include <cstdio>
#include <cstdlib>

using namespace korvanex;

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: analysis_instructions REPEATS [interior|edge|corner|one|two]\n");
        return 2;
    }
    const int repeats = std::atoi(argv[1]);
    const std::vector<MixCase> cases = analysisMix(argc == 3 ? argv[2] : "");
    // The sum of the combined stresses keeps the analyses from being optimised away.
    double sum = 0;
    AnalysisResults results;
    for (int repeat = 0; repeat < repeats; ++repeat) {
        for (const MixCase& one : cases) {
            try {
                computeStresses(one.record, one.numbers, results);
            } catch (const FloatingPointFault&) {
            }
            sum += results.CombinedStress;
        }
    }
    std::printf("%zu cases, %d repeats, sum %.9g\n", cases.size(), repeats, sum);
    return 0;
}
