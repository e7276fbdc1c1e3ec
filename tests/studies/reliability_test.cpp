// SPDX-License-Identifier: Apache-2.0
#include "case/number_text.h"
#include "studies/random_draws.h"
#include "studies/reliability.h"

#include "spectrum_of.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace korvanex;

namespace {

// Every input scattered: normal h1 and MR, the others lognormal.
ReliabilitySettings scatteredEverywhere(std::uint64_t samples, double cov) {
    ReliabilitySettings settings;
    settings.samples = samples;
    for (Scatter& scatter : settings.scatter) {
        scatter.cov = cov;
    }
    settings.of(ScatterInput::H1).distribution = ScatterDistribution::Normal;
    settings.of(ScatterInput::ModulusOfRupture).distribution = ScatterDistribution::Normal;
    return settings;
}

// The standard normal distribution, from the C library's complementary error function.
double phi(double z) {
    return 0.5 * std::erfc(-z / std::sqrt(2.0));
}

} // namespace

TEST(RandomDraws, GeneratorsAndTheNormalQuantile) {
    // SplitMix64's first output from the seed 0, and xoshiro256** from the state {1, 2, 3, 4}: the
    // first two worked by hand (rotl(2 x 5, 7) x 9 = 11,520; then s1 = 0), all four as the
    // generators' authors publish them.
    EXPECT_EQ(splitMix64(0, 0), 0xE220A8397B1DCDAFu);
    Xoshiro256StarStar generator({1, 2, 3, 4});
    for (std::uint64_t expected : {11520ull, 0ull, 1509978240ull, 1215971899390074240ull}) {
        EXPECT_EQ(generator.next(), expected);
    }
    EXPECT_EQ(openUniform(0), 0x1.0p-54);
    EXPECT_EQ(openUniform(~std::uint64_t{0}), 1 - 0x1.0p-54);
    // The quantile inverts the C library's distribution to its last digits, far into both tails.
    for (double p : {1e-300, 1e-20, 1e-10, 1e-3, 0.025, 0.3, 0.5, 0.7, 0.975, 0.999999}) {
        SCOPED_TRACE(p);
        EXPECT_NEAR(phi(standardNormalQuantile(p)), p, p * 1e-13);
    }
    EXPECT_NEAR(standardNormalQuantile(0.975), 1.959963984540054, 1e-15);
    EXPECT_NEAR(standardNormalQuantile(0.995), 2.5758293035489004, 1e-15);
}

TEST(RandomDraws, FactorsHaveTheirMeanAndScatter) {
    // 100,000 draws: a lognormal factor's mean is 1 and its coefficient of variation the one given;
    // a normal one drawn again at or below 0 has the mean of the truncated normal,
    // 1 + COV phi(1/COV) / Phi(1/COV) = 1.16338 at COV 0.8.
    const struct {
        Scatter scatter;
        double mean, cov;
    } rows[] = {{{0.15, ScatterDistribution::Lognormal}, 1, 0.15},
                {{0.5, ScatterDistribution::Lognormal}, 1, 0.5},
                {{0.1, ScatterDistribution::Normal}, 1, 0.1},
                {{0.8, ScatterDistribution::Normal}, 1.1633804, 0.6}};
    constexpr int Draws = 100000;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mean + row.cov);
        ReliabilitySettings settings;
        settings.of(ScatterInput::E1) = row.scatter;
        double sum = 0, squares = 0, least = 1;
        for (int sample = 0; sample < Draws; ++sample) {
            const SampleFactors factors = sampleFactors(settings, static_cast<std::uint64_t>(sample));
            const double factor = factors[static_cast<std::size_t>(ScatterInput::E1)];
            sum += factor;
            squares += factor * factor;
            least = std::min(least, factor);
            EXPECT_EQ(factors[static_cast<std::size_t>(ScatterInput::K)], 1);
        }
        const double mean = sum / Draws;
        EXPECT_NEAR(mean, row.mean, 4 * row.cov / std::sqrt(Draws));
        EXPECT_GT(least, 0);
        if (row.scatter.cov < 0.8) {
            EXPECT_NEAR(std::sqrt(squares / Draws - mean * mean) / mean, row.cov, 0.02 * row.cov);
        }
    }
    // An input's draws are its own: the modulus of rupture of a sample is the same whatever else
    // scatters, and another seed draws another sample.
    ReliabilitySettings alone;
    alone.of(ScatterInput::ModulusOfRupture) = {0.1, ScatterDistribution::Normal};
    const ReliabilitySettings all = scatteredEverywhere(1, 0.1);
    const auto mr = [](const ReliabilitySettings& settings, std::uint64_t sample) {
        return sampleFactors(settings, sample)[static_cast<std::size_t>(ScatterInput::ModulusOfRupture)];
    };
    EXPECT_EQ(mr(alone, 4711), mr(all, 4711));
    alone.seed = 2;
    EXPECT_NE(mr(alone, 4711), mr(all, 4711));
}

TEST(ReliabilitySummary, CountsRanksAndTheWilsonInterval) {
    // Shares in double precision: the samples that must carry, and the nearest-rank percentile.
    const struct {
        std::uint64_t samples;
        double percent;
        std::uint64_t count;
    } counts[] = {{10000, 90, 9000}, {10000, 99.99, 9999}, {3, 50, 2}, {10, 10, 1},
                  {7, 100, 7},       {1, 50, 1},           {6, 90, 6}, {100000, 0.001, 1}};
    for (const auto& row : counts) {
        EXPECT_EQ(leastCountReaching(row.samples, row.percent), row.count)
            << row.samples << " " << row.percent;
    }
    // Worked by hand: (p + z^2/2n +- z sqrt(p (1 - p)/n + z^2/4n^2)) / (1 + z^2/n).
    const struct {
        std::uint64_t count, samples;
        double confidence, low, high;
    } intervals[] = {{0, 100, 95, 0, 0.0369935},
                     {5, 100, 95, 0.0215437, 0.1117505},
                     {50, 100, 99, 0.3752796, 0.6247204},
                     {10000, 10000, 95, 0.9996160, 1}};
    for (const auto& row : intervals) {
        const std::array<double, 2> interval = wilsonInterval(row.count, row.samples, row.confidence);
        EXPECT_NEAR(interval[0], row.low, 1e-7) << row.count;
        EXPECT_NEAR(interval[1], row.high, 1e-7) << row.count;
    }

    // Six samples, the last faulted: it fails and ranks above every damage, so p90 (rank 6) and p99
    // are not known, and neither is the mean. Against a target of 3.5, the damages 4 and 5 and the
    // fault fail.
    SimulatedDamage damage{{5, 1, 4, 2, 3, 0}, {{5, "row 1: WestergaardEdge"}}};
    FatigueSettings power = pcaAt(650);
    power.model = FatigueModel::Power;
    power.targetPercent = 3.5;
    const ReliabilitySummary summary = summarizeReliability(damage, power, 50);
    EXPECT_EQ(summary.failures, 3u);
    EXPECT_EQ(summary.faulted, 1u);
    EXPECT_EQ(summary.probabilityOfFailure, 0.5);
    EXPECT_EQ(summary.reliability, 0.5);
    EXPECT_FALSE(summary.meanDamagePercent || summary.meanCrackingPercent);
    ASSERT_EQ(summary.percentiles.size(), 5u);
    const std::optional<double> expected[] = {1, 3, std::nullopt, std::nullopt, 3}; // p10 p50 p90 p99 at 50 %
    for (std::size_t index = 0; index < 5; ++index) {
        EXPECT_EQ(summary.percentiles[index].damagePercent, expected[index]) << index;
    }
    EXPECT_NEAR(*summary.percentiles[0].crackingPercent, 0.0109636, 1e-7); // 100 / (1 + 0.01^-1.98)
    damage.faults.clear();
    const ReliabilitySummary computed = summarizeReliability(damage, power, std::nullopt);
    EXPECT_EQ(computed.meanDamagePercent, 2.5);
    EXPECT_EQ(computed.percentiles[2].damagePercent, 5);
    EXPECT_EQ(computed.percentiles.size(), 4u);
}

TEST(ReliabilitySimulation, WithoutScatterEverySampleIsTheDeterministicDesign) {
    // 8,600 passes on the default case carry at 6.75 in, not at 6.76: damage rises with thickness
    // there. The second spectrum mixes gears, loads and a temperature differential.
    const TrafficSpectrum spectra[] = {
        spectrumOf("repetitions\n8600\n"),
        spectrumOf("gear,P,F,repetitions\n,,,3E5\ndual-tandem,44000,10,3E4\nsingle-single,14000,-5,8E5\n")};
    ReliabilitySettings none = scatteredEverywhere(5, 0);
    none.of(ScatterInput::Traffic).distribution = ScatterDistribution::Normal;
    for (const TrafficSpectrum& spectrum : spectra) {
        const FatigueSettings fatigue = pcaAt(650);
        const double deterministic = *computeFatigue(spectrum, fatigue).totalDamagePercent;
        const double at731 = *totalDamageAt(spectrum, fatigue, "7.31");
        const SimulatedDamage own = *simulateDamage(spectrum, fatigue, none);
        const SimulatedDamage thinner = *simulateDamage(spectrum, fatigue, none, {}, std::string("7.31"));
        EXPECT_EQ(own.damagePercent, std::vector<double>(5, deterministic));
        EXPECT_EQ(thinner.damagePercent, std::vector<double>(5, at731));
        // Every inch from 4 to 20 in: the reliability is all or nothing, as the point carries or not.
        const std::vector<ThicknessReliability> curve =
            *reliabilityAgainstThickness(spectrum, fatigue, none, 100);
        ASSERT_EQ(curve.size(), 17u);
        for (const ThicknessReliability& point : curve) {
            const double damage = *totalDamageAt(spectrum, fatigue, formatFixed(point.h1, 2));
            EXPECT_EQ(point.reliabilityPercent, damage <= fatigue.targetPercent ? 100 : 0) << point.h1;
        }
        EXPECT_EQ(curve.front().reliabilityPercent, 0);
        const RequiredThickness solved = solveThickness(spectrum, fatigue);
        // Also with the target at the very damage of that point, which carries it exactly.
        FatigueSettings edge = fatigue;
        edge.targetPercent = solved.totalDamagePercent;
        for (const FatigueSettings& settings : {fatigue, edge}) {
            for (double percent : {0.5, 50.0, 100.0}) {
                none.reliabilityPercent = percent;
                EXPECT_EQ(solveThicknessAtReliability(spectrum, settings, none, {2, {}, nullptr})->h1Text,
                          solved.h1Text);
            }
        }
    }
}

TEST(ReliabilitySimulation, EachFactorScalesItsOwnInputInEveryGroup) {
    // Each input scattered alone: a sample's damage is the deterministic damage of the spectrum whose
    // rows carry that input times the sample's factor, written as the text that reads back as that
    // value (the modulus of rupture in the settings). Every row sets its own values, so a factor must
    // reach each row's.
    const char* const header = "h1,E1,k,F,P,repetitions\n";
    const double cells[2][6] = {{9.5, 4e6, 150, 10, 18000, 3e4}, {9, 4.5e6, 200, -5, 30000, 2e3}};
    const auto spectrumScaling = [&](int column, double factor) {
        std::string csv = header;
        for (const auto& row : cells) {
            for (int index = 0; index < 6; ++index) {
                csv +=
                    doubleText(index == column ? row[index] * factor : row[index]) + (index < 5 ? "," : "\n");
            }
        }
        return spectrumOf(csv);
    };
    // The column each input scales, by ScatterInput; the modulus of rupture has none.
    const int columns[] = {0, 1, 2, -1, 3, 5};
    const TrafficSpectrum spectrum = spectrumScaling(-1, 1);
    for (const auto& [word, input] : ScatterInputWords) {
        ReliabilitySettings reliability;
        reliability.samples = 3;
        reliability.of(input) = {0.3, ScatterDistribution::Normal};
        const SimulatedDamage damage = *simulateDamage(spectrum, pcaAt(500), reliability);
        for (std::uint64_t sample = 0; sample < 3; ++sample) {
            SCOPED_TRACE(std::string(word) + " " + std::to_string(sample));
            const double factor = sampleFactors(reliability, sample)[static_cast<std::size_t>(input)];
            FatigueSettings fatigue = pcaAt(500);
            if (input == ScatterInput::ModulusOfRupture) {
                fatigue.modulusOfRupture *= factor;
            }
            EXPECT_NE(factor, 1);
            const int column = columns[static_cast<std::size_t>(input)];
            EXPECT_EQ(damage.damagePercent[sample],
                      *computeFatigue(spectrumScaling(column, factor), fatigue).totalDamagePercent);
        }
    }
}

TEST(ReliabilitySimulation, OnlyTheModulusOfRuptureScatteredFailsBelowItsCriticalValue) {
    // One group, MR normal with mean 560 psi and COV 0.15. Damage falls as MR rises, so a sample fails
    // exactly when its MR is below MR*, where the deterministic damage equals the target (bisection):
    // Pf = Phi((MR* - 560) / 84), about 0.21.
    const TrafficSpectrum spectrum = spectrumOf("repetitions\n1E6\n");
    FatigueSettings fatigue = pcaAt(560);
    double low = 300, high = 560;
    for (int step = 0; step < 60; ++step) {
        FatigueSettings middle = fatigue;
        middle.modulusOfRupture = (low + high) / 2;
        (*computeFatigue(spectrum, middle).totalDamagePercent > 100 ? low : high) = middle.modulusOfRupture;
    }
    EXPECT_NEAR(low, 492.0, 0.1); // SR* = 0.4325 + 4.2577 / 1E6^(1/3.268) by hand
    const double expected = phi((low - 560) / (0.15 * 560));
    ReliabilitySettings reliability;
    reliability.samples = 100000;
    reliability.of(ScatterInput::ModulusOfRupture) = {0.15, ScatterDistribution::Normal};
    const SimulatedDamage damage = *simulateDamage(spectrum, fatigue, reliability, {2, {}, nullptr});
    const ReliabilitySummary summary = summarizeReliability(damage, fatigue, std::nullopt);
    const std::array<double, 2> within = wilsonInterval(summary.failures, summary.samples, 99);
    EXPECT_LE(within[0], expected);
    EXPECT_GE(within[1], expected);
    EXPECT_NEAR(expected, 0.209, 0.001);
}

TEST(ReliabilitySimulation, ThicknessAtAReliabilityIsTheFullScansPoint) {
    // Every input scattered on two groups, one with a temperature differential: the least grid point
    // whose simulation carries enough samples, found by simulating every point from the thinnest.
    const TrafficSpectrum spectrum = spectrumOf("P,F,repetitions\n,,3000\n26000,10,800\n");
    const FatigueSettings fatigue = pcaAt(650);
    ReliabilitySettings reliability = scatteredEverywhere(60, 0.1);
    reliability.seed = 7;
    const double percents[] = {50, 90, 100};
    std::string scanned[3];
    for (int point = 0; scanned[2].empty() && point < thicknessGridPoints(UnitSystem::English); ++point) {
        const std::string text = thicknessGridText(UnitSystem::English, point);
        const SimulatedDamage damage = *simulateDamage(spectrum, fatigue, reliability, {}, text);
        const std::uint64_t failures = summarizeReliability(damage, fatigue, std::nullopt).failures;
        for (int index = 0; index < 3; ++index) {
            if (scanned[index].empty() && 60 - failures >= leastCountReaching(60, percents[index])) {
                scanned[index] = text;
            }
        }
    }
    for (int index = 0; index < 3; ++index) {
        reliability.reliabilityPercent = percents[index];
        const std::optional<RequiredThickness> found =
            solveThicknessAtReliability(spectrum, fatigue, reliability, {2, {}, nullptr});
        EXPECT_EQ(found->h1Text, scanned[index]) << percents[index];
        EXPECT_EQ(found->h1, std::stod(scanned[index]));
    }
    EXPECT_LT(std::stod(scanned[0]), std::stod(scanned[2]));
}

TEST(ReliabilitySimulation, JobsFaultsCancellationAndWhatCannotBeSolved) {
    const TrafficSpectrum spectrum = spectrumOf("gear,P,repetitions\n,,1E5\ndual-tandem,40000,2E5\n");
    const FatigueSettings fatigue = pcaAt(600);
    ReliabilitySettings reliability = scatteredEverywhere(700, 0.25);
    std::uint64_t done = 0, whole = 0;
    const StudyControl told{
        1, [&](std::uint64_t d, std::uint64_t w) { std::tie(done, whole) = std::tie(d, w); }, nullptr};
    const SimulatedDamage one = *simulateDamage(spectrum, fatigue, reliability, told);
    EXPECT_EQ(done, 700u);
    EXPECT_EQ(whole, 700u);
    for (unsigned jobs : {2u, 3u}) {
        EXPECT_EQ(simulateDamage(spectrum, fatigue, reliability, {jobs, {}, nullptr})->damagePercent,
                  one.damagePercent);
    }
    const std::atomic<bool> cancel{true};
    reliability.reliabilityPercent = 90;
    EXPECT_FALSE(simulateDamage(spectrum, fatigue, reliability, {2, {}, &cancel}));
    EXPECT_FALSE(solveThicknessAtReliability(spectrum, fatigue, reliability, {1, {}, &cancel}));
    EXPECT_FALSE(runReliabilityStudy(spectrum, fatigue, reliability, {1, {}, &cancel}));

    // A group on k = 0 faults in every sample: each counts as a failure, and no thickness carries.
    reliability.samples = 20;
    const TrafficSpectrum faulting = spectrumOf("k,repetitions\n,1E4\n0,1E4\n");
    const SimulatedDamage faulted = *simulateDamage(faulting, fatigue, reliability);
    EXPECT_EQ(faulted.faults.size(), 20u);
    EXPECT_EQ(faulted.faults.at(19), "row 2: WestergaardEdge");
    const ReliabilitySummary summary = summarizeReliability(faulted, fatigue, 90);
    EXPECT_EQ(summary.probabilityOfFailure, 1);
    EXPECT_FALSE(summary.meanDamagePercent || summary.percentiles[0].damagePercent);
    EXPECT_EQ(solveThicknessAtReliability(faulting, fatigue, reliability)->status,
              RequiredThickness::Status::NoneInRange);
    EXPECT_EQ(solveThicknessAtReliability(spectrumOf("h1,repetitions\n9,1\n"), fatigue, reliability)->why,
              "the spectrum sets h1");
    FatigueSettings edgeModel = fatigue;
    edgeModel.stress = FatigueStress::EdgeModel;
    EXPECT_EQ(
        solveThicknessAtReliability(spectrumOf("location,repetitions\ncorner,1\n"), edgeModel, reliability)
            ->why,
        "row 1: the edge model does not run for this location and gear");
}
