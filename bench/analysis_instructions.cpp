// A fixed mix of analyses for counting instructions under callgrind (bench/analysis_instructions.sh):
// every wheel location and gear, one layer and two (bonded and unbonded), with and without a tied
// shoulder and a widened lane, with and without curling, each case computed REPEATS times from its
// field numbers as read once. The script subtracts a run with REPEATS = 0 (the start-up and the
// reading of the cases) and divides by the analyses.
//
// Usage: analysis_instructions REPEATS [interior|edge|corner|one|two]
// The optional word keeps only the cases at one location or with one or two layers.

#include "case/analysis_case.h"
#include "case/fault.h"
#include "case/field_numbers.h"
#include "engine/analysis_results.h"
#include "engine/compute_stresses.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

using namespace korvanex;

namespace {

struct MixCase {
    AnalysisCase record;
    FieldNumbers numbers;
};

bool kept(std::string_view only, const AnalysisCase& record) {
    if (only.empty()) {
        return true;
    }
    if (only == "one" || only == "two") {
        return (record.layer == LayerType::OneLayer) == (only == "one");
    }
    constexpr std::pair<std::string_view, WheelLocation> locations[] = {
        {"interior", WheelLocation::Interior}, {"edge", WheelLocation::Edge}, {"corner", WheelLocation::Corner}};
    for (const auto& [word, location] : locations) {
        if (word == only) {
            return record.location == location;
        }
    }
    return false;
}

std::vector<MixCase> mix(std::string_view only) {
    constexpr WheelLocation locations[] = {WheelLocation::Interior, WheelLocation::Edge, WheelLocation::Corner};
    constexpr GearConfiguration gears[] = {GearConfiguration::SingleSingle, GearConfiguration::SingleTandem,
                                           GearConfiguration::SingleTridem, GearConfiguration::DualSingle,
                                           GearConfiguration::DualTandem,   GearConfiguration::DualTridem};
    constexpr LayerType layers[] = {LayerType::OneLayer, LayerType::TwoLayerBonded, LayerType::TwoLayerUnbonded};
    std::vector<MixCase> cases;
    for (const WheelLocation location : locations) {
        for (const GearConfiguration gear : gears) {
            for (const LayerType layer : layers) {
                for (const bool shoulderAndLane : {false, true}) {
                    for (const char* dT : {"0", "20"}) {
                        AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
                        record.location = location;
                        record.gear = gear;
                        record.layer = layer;
                        record.tiedShoulder = shoulderAndLane;
                        record.widenedLane = shoulderAndLane;
                        record.F = dT;
                        if (kept(only, record)) {
                            cases.push_back({record, readFieldNumbers(record)});
                        }
                    }
                }
            }
        }
    }
    return cases;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: analysis_instructions REPEATS [interior|edge|corner|one|two]\n");
        return 2;
    }
    const int repeats = std::atoi(argv[1]);
    const std::vector<MixCase> cases = mix(argc == 3 ? argv[2] : "");
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
