// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"

#include <string_view>
#include <utility>
#include <vector>

namespace korvanex {

// One case of the fixed mix of analyses, with its field numbers read once.
struct MixCase {
    AnalysisCase record;
    FieldNumbers numbers;
};

// Whether a case is in the part of the mix that a word names: a location (interior, edge, corner),
// one or two layers (one, two), or the whole mix (the empty word).
inline bool inPart(std::string_view part, const AnalysisCase& record) {
    if (part.empty()) {
        return true;
    }
    if (part == "one" || part == "two") {
        return (record.layer == LayerType::OneLayer) == (part == "one");
    }
    constexpr std::pair<std::string_view, WheelLocation> locations[] = {{"interior", WheelLocation::Interior},
                                                                        {"edge", WheelLocation::Edge},
                                                                        {"corner", WheelLocation::Corner}};
    for (const auto& [word, location] : locations) {
        if (word == part) {
            return record.location == location;
        }
    }
    return false;
}

// The mix: every location and gear, one layer and two (bonded and unbonded), with and without a tied
// shoulder and a widened lane, with and without curling (dT 0 and 20), over the English defaults.
inline std::vector<MixCase> analysisMix(std::string_view part = "") {
    constexpr WheelLocation locations[] = {WheelLocation::Interior, WheelLocation::Edge,
                                           WheelLocation::Corner};
    constexpr GearConfiguration gears[] = {GearConfiguration::SingleSingle, GearConfiguration::SingleTandem,
                                           GearConfiguration::SingleTridem, GearConfiguration::DualSingle,
                                           GearConfiguration::DualTandem,   GearConfiguration::DualTridem};
    constexpr LayerType layers[] = {LayerType::OneLayer, LayerType::TwoLayerBonded,
                                    LayerType::TwoLayerUnbonded};
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
                        if (inPart(part, record)) {
                            cases.push_back({record, readFieldNumbers(record)});
                        }
                    }
                }
            }
        }
    }
    return cases;
}

} // namespace korvanex
