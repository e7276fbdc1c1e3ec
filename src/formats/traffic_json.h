// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "formats/json_text.h"
#include "studies/truck_traffic.h"

#include <span>
#include <string_view>

namespace korvanex {

// The keys of the traffic settings in every JSON the program writes or reads, in the order of
// trafficInputs(): "adtt", "growth_percent", "design_life_years", "directional_percent", "lane_percent".
std::span<const std::string_view> trafficKeys();

// The traffic settings as one JSON object under those keys.
Json trafficJson(const TrafficSettings& traffic);

} // namespace korvanex
