// SPDX-License-Identifier: Apache-2.0
#include "formats/damage_histogram_svg.h"
#include "formats/fatigue_output.h"
#include "formats/json_text.h"
#include "formats/reliability_output.h"

#include "../studies/spectrum_of.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

using namespace korvanex;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// Four samples and a fault on one group of the default case, with the power model: a study laid out
// by hand, so that every figure of the outputs is known.
struct HandStudy {
    TrafficSpectrum spectrum = spectrumOf("repetitions\n1E4\n");
    FatigueSettings fatigue;
    ReliabilitySettings reliability;
    ReliabilityStudy study;

    HandStudy() {
        fatigue.modulusOfRupture = 650;
        fatigue.model = FatigueModel::Power;
        reliability.of(ScatterInput::ModulusOfRupture) = {0.1, ScatterDistribution::Normal};
        reliability.of(ScatterInput::Traffic).cov = 0.25;
        reliability.samples = 5;
        reliability.reliabilityPercent = 75;
        study.deterministic = computeFatigue(spectrum, fatigue);
        study.damage = {{40, 120, 0, 80, 0}, {{4, "row 1: WestergaardEdge"}}};
        study.summary = summarizeReliability(study.damage, fatigue, reliability.reliabilityPercent);
        study.deterministicThickness =
            RequiredThickness{RequiredThickness::Status::Found, 8.85, "8.85", 0, ""};
        study.thickness = RequiredThickness{RequiredThickness::Status::NoneInRange, 0, "", 0, ""};
    }
};

} // namespace

TEST(ReliabilityOutput, TheTableSaysEveryFigureAndWhatIsNotKnown) {
    const HandStudy hand;
    const std::string table = reliabilityTable(hand.spectrum, hand.fatigue, hand.reliability, hand.study);
    // The damages ranked 0, 40, 80, 120 and the fault; by nearest rank of 5 p10 is rank 1, p50 3, p90
    // and p99 5 (the fault), at 75 % 4. Cracking 100 / (1 + D^-1.98): 39.1306 for 0.8, 58.9282 for 1.2.
    // Two failures of five: Wilson's 95 % interval 0.117621 to 0.769276.
    const std::string expected =
        "Scatter: MR 0.1 normal   traffic 0.25 lognormal\n"
        "Samples: 5   Seed: 1\n"
        "\n"
        "Deterministic total damage: " +
        totalDamageText(hand.study.deterministic) +
        "\n"
        "Probability of failure: 40.00 %   95 % interval: 11.76 to 76.93 %\n"
        "Reliability: 60.00 %\n"
        "Faulted samples: 1, counted as failures; the first: sample 5, row 1: WestergaardEdge\n"
        "\n"
        "                         Mean        p10        p50        p90        p99    at 75 %\n"
        "Damage (%)          not known       0.00      80.00  not known  not known     120.00\n"
        "Slabs cracked (%)   not known       0.00      39.13  not known  not known      58.93\n"
        "\n"
        "Required slab thickness h1, deterministic: 8.85 in\n"
        "Required slab thickness h1 at 75 % reliability: none within the typical range (4.00 to 20.00 in)\n";
    EXPECT_TRUE(table.starts_with("Fatigue model: power   Stress: combined   Modulus of rupture: 650.0 psi"));
    EXPECT_EQ(table.substr(table.find("Scatter:")), expected);
}

TEST(ReliabilityOutput, JsonKeysAndCsvColumns) {
    HandStudy hand;
    const Json json = Json::parse(reliabilityJson(hand.spectrum, hand.fatigue, hand.reliability, hand.study));
    std::vector<std::string> keys;
    for (auto member = json.begin(); member != json.end(); ++member) {
        keys.push_back(member.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"model", "stress", "modulus_of_rupture", "target_percent",
                                              "scatter", "samples", "seed", "deterministic_damage_percent",
                                              "probability_of_failure", "probability_interval", "reliability",
                                              "faulted_samples", "damage_percent", "cracking_percent",
                                              "reliability_percent", "required_h1",
                                              "deterministic_required_h1", "required_h1_units"}));
    EXPECT_EQ(json["probability_of_failure"], 0.4);
    EXPECT_NEAR(json["probability_interval"][1].get<double>(), 0.769276, 1e-6);
    EXPECT_EQ(json["damage_percent"].dump(),
              R"({"mean":null,"p10":0,"p50":80,"p90":null,"p99":null,"at_reliability":120})");
    EXPECT_EQ(json["scatter"].dump(), R"({"MR":{"cov":0.1,"distribution":"normal"},)"
                                      R"("traffic":{"cov":0.25,"distribution":"lognormal"}})");
    EXPECT_TRUE(json["required_h1"].is_null());
    EXPECT_EQ(json["deterministic_required_h1"], 8.85);

    std::ostringstream csv;
    writeReliabilityCsv(csv, hand.fatigue, hand.reliability, hand.study.damage);
    // Each line without its two factors: sample, status, damage and cracking (14.0125 for 0.4).
    std::istringstream lines(csv.str());
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t factors = line.find(',');
        rows.push_back(line.erase(factors, line.find(',', line.find(',', factors + 1) + 1) - factors));
    }
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], "sample,status,damage_percent,cracking_percent");
    EXPECT_TRUE(rows[1].starts_with("1,ok,40,14.0124578")) << rows[1];
    EXPECT_EQ(rows[3], "3,ok,0,0");
    EXPECT_EQ(rows[5], "5,fault: row 1: WestergaardEdge,,");
}

TEST(DamageHistogram, BarsOnTheLogAxisAndBesideIt) {
    // One sample in each of the decades 0.1, 1, 10 and 100 (0.5, 5, 50, 500 %), one of damage 0, one
    // beyond the number range and one faulted: the axis runs over four decades of five bars, every
    // bar with a sample stands the full height of a one-sample scale, 290 pixels.
    const SimulatedDamage damage{{0.5, 5, 50, 500, 0, Infinity, 0}, {{6, "row 1: WestergaardEdge"}}};
    const std::string svg = damageHistogramSvg(damage, 100);
    const auto count = [&svg](const std::string& part) {
        std::size_t found = 0;
        for (std::size_t at = svg.find(part); at != std::string::npos; at = svg.find(part, at + 1)) {
            ++found;
        }
        return found;
    };
    EXPECT_EQ(count("fill=\"#4a78b0\""), 20u);
    EXPECT_EQ(count("height=\"290.00\""), 7u);
    for (const char* caption : {">0.1<", ">1000<", ">beyond range<", ">faulted<", ">target 100 %<",
                                ">Total damage of 7 samples<"}) {
        EXPECT_EQ(count(caption), 1u) << caption;
    }
    EXPECT_EQ(count(">0<"), 2u); // the bar of damage 0 and the foot of the sample axis
    for (const char* nonNumber : {"nan", "inf", "=\"-"}) {
        EXPECT_EQ(count(nonNumber), 0u) << nonNumber;
    }
    // Damages over twenty decades: the axis keeps the twelve under the largest, the target's among them.
    const std::string wide = damageHistogramSvg({{1e-12, 1e8}, {}}, 100);
    EXPECT_NE(wide.find(">0.001<"), std::string::npos);
    EXPECT_EQ(wide.find(">1E-04<"), std::string::npos);
}
