// SPDX-License-Identifier: Apache-2.0
#include "studies/traffic_loads.h"
#include "studies/truck_traffic.h"

#include <gtest/gtest.h>

using namespace korvanex;

TEST(TruckTraffic, GrowthFactorAndRepetitionsOverTheDesignLife) {
    // G = ((1 + g)^Y - 1) / g and n = 0.19 / 1000 x ADTT x 365 x G x D x lane, worked out by hand:
    // 1.03^25 = 2.0937779, G = 36.459264; 1.05^20 = 2.6532977, G = 33.065954. Growth 0: G = Y.
    const struct {
        TrafficSettings traffic;
        double growthFactor, repetitions;
    } rows[] = {
        {{1000, 3, 25, 50, 100}, 36.459264, 1264.225}, // 1,264
        {{1000, 0, 25, 50, 100}, 25, 866.875},         {{2500, 5, 20, 100, 90}, 33.065954, 5159.529},
        {{1000, 1e-12, 25, 50, 100}, 25, 866.875}, // no digits lost to (1 + g)^Y - 1
        {{1, 100, 1, 50, 100}, 1, 0.034675},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.traffic.growthPercent);
        EXPECT_NEAR(growthFactor(row.traffic), row.growthFactor, row.growthFactor * 2e-8);
        EXPECT_NEAR(designRepetitions(0.19, row.traffic), row.repetitions, row.repetitions * 2e-7);
    }
    EXPECT_EQ(designRepetitions(0.19, rows[1].traffic), 866.875); // round figures stay round
}

TEST(TruckTraffic, WhatEachSettingTakes) {
    const struct {
        std::size_t input;
        double accepted[3], refused[3];
    } rows[] = {
        {0, {1e-9, 1, 1e6}, {0, -1, -1e-9}},     // ADTT > 0
        {1, {0, 3.5, 100}, {-1e-9, 100.5, -3}},  // growth 0 to 100
        {2, {1, 25, 100}, {0, 2.5, 101}},        // design life, whole
        {3, {1e-9, 50, 100}, {0, 100.001, -50}}, // directional
        {4, {1e-9, 100, 75}, {0, 101, -1}},      // lane
    };
    ASSERT_EQ(trafficInputs().size(), std::size(rows));
    for (const auto& row : rows) {
        const TrafficInput& input = trafficInputs()[row.input];
        for (double value : row.accepted) {
            EXPECT_TRUE(input.accepts(value)) << row.input << " " << value;
        }
        for (double value : row.refused) {
            EXPECT_FALSE(input.accepts(value)) << row.input << " " << value;
        }
    }
}

TEST(TruckTraffic, ASpectrumOfAxleGroupsPer1000TrucksGetsItsRepetitionsFromTheTraffic) {
    const AnalysisCase base = AnalysisCase::defaults(UnitSystem::English);
    SpectrumCells cells{{"P", " Per_1000_Trucks "}, {{"", "0.19"}, {"", "0"}, {"", ""}, {"", "1e308"}}};
    const TrafficSpectrum spectrum = buildSpectrum(cells, base, TrafficSettings{1000, 3, 25, 50, 100});
    EXPECT_EQ(spectrum.count, CountColumn::PerThousandTrucks);
    EXPECT_EQ(spectrum.groups[0].repetitions, designRepetitions(0.19, *spectrum.traffic));
    EXPECT_EQ(spectrum.groups[1].error, "per_1000_trucks must be a number greater than 0, not \"0\"");
    EXPECT_EQ(spectrum.groups[2].error, "no per_1000_trucks");
    EXPECT_EQ(spectrum.groups[3].error, "the repetitions are beyond the number range");
    EXPECT_EQ(buildSpectrum(cells, base).groups[0].error,
              "per_1000_trucks needs the traffic: ADTT, growth and design life");
    // The traffic is kept only for the spectrum it counts.
    EXPECT_FALSE(buildSpectrum({{"repetitions"}, {{"5"}}}, base, TrafficSettings{}).traffic);
}
