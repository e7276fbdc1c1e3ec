// SPDX-License-Identifier: Apache-2.0
#include "formats/traffic_json.h"

namespace korvanex {

namespace {

constexpr std::string_view keyTable[] = {"adtt", "growth_percent", "design_life_years", "directional_percent",
                                         "lane_percent"};

} // namespace

std::span<const std::string_view> trafficKeys() {
    return keyTable;
}

Json trafficJson(const TrafficSettings& traffic) {
    Json json = Json::object();
    const std::span<const TrafficInput> inputs = trafficInputs();
    for (std::size_t index = 0; index < inputs.size(); ++index) {
        json[std::string(keyTable[index])] = traffic.*inputs[index].member;
    }
    return json;
}

} // namespace korvanex
