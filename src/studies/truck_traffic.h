// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <span>
#include <string_view>

namespace korvanex {

// The truck traffic of a design life, which turns the axle groups of a spectrum row per 1,000 trucks
// into the row's repetitions.
struct TrafficSettings {
    double adtt = 0;                // the average daily truck traffic, both directions
    double growthPercent = 0;       // the annual growth g
    double designLifeYears = 0;     // Y, a whole number
    double directionalPercent = 50; // D, the share of the trucks in the design direction
    double lanePercent = 100;       // the share of that direction's trucks in the design lane
};

// One setting of the traffic: its member and what its value must be, as messages say it ("a number
// greater than 0").
struct TrafficInput {
    double TrafficSettings::*member;
    std::string_view requirement;
    bool (*accepts)(double value);
};

// The five settings in the order of the members: ADTT, growth, design life, directional and lane
// distribution.
std::span<const TrafficInput> trafficInputs();

// The growth factor G = ((1 + g)^Y - 1) / g, g the growth as a fraction; G = Y when g = 0.
double growthFactor(const TrafficSettings& traffic);

// The repetitions of a row over the design life:
// n = per_1000_trucks / 1000 x ADTT x 365 x G x D/100 x lane/100.
double designRepetitions(double perThousandTrucks, const TrafficSettings& traffic);

} // namespace korvanex
