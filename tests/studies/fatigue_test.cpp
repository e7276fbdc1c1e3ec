// SPDX-License-Identifier: Apache-2.0
#include "formats/fatigue_output.h"

#include "spectrum_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace korvanex;

namespace {

constexpr double Unlimited = INFINITY;

// The default English case carries a combined stress of 243.344376 psi (dual-single, 18000 lbs,
// h1 = 9.5 in); this modulus of rupture puts it at SR = 0.6, N = 10^4.4908 = 30,960.
constexpr double MrAtSr060 = 405.574;

void expectNear(double actual, double expected, double relative) {
    if (std::isinf(expected)) {
        EXPECT_EQ(actual, expected);
    } else {
        EXPECT_NEAR(actual, expected, std::fabs(expected) * relative);
    }
}

} // namespace

TEST(FatigueModels, PcaCurveOnEachSideOfItsBreaks) {
    // SR, N and log10 N worked out by hand from the curve's three pieces.
    const struct {
        double sr, n, log10;
    } points[] = {{0.60, 30959.93, 4.4908},     {0.55, 124351.2, 5.09465},    {0.5499, 124873.1, 5.096469},
                  {0.50, 762042.8, 5.881978},   {0.4501, 61632345, 7.789808}, {39.954, 0, -470.787458},
                  {0.45, Unlimited, Unlimited}, {-0.2, Unlimited, Unlimited}};
    for (const auto& point : points) {
        SCOPED_TRACE(point.sr);
        const AllowableRepetitions allowable = pcaAllowableRepetitions(point.sr);
        expectNear(allowable.count, point.n, 1e-6);
        expectNear(allowable.log10, point.log10, 1e-6);
    }
}

TEST(FatigueModels, PowerModelAndCrackingTransfer) {
    const PowerModelConstants global;
    expectNear(powerAllowableRepetitions(390, 650, global).count, 5367.838, 1e-6); // 10^(2 (650/390)^1.22)
    expectNear(powerAllowableRepetitions(390, 650, global).log10, 3.729799, 1e-6);
    expectNear(powerAllowableRepetitions(0, 650, global).count, Unlimited, 0);
    expectNear(powerAllowableRepetitions(-10, 650, global).count, Unlimited, 0);
    expectNear(powerAllowableRepetitions(325, 650, {3, 1, 1, -1.98}).count, 1e6, 1e-12);
    expectNear(powerAllowableRepetitions(1, 650, global).count, Unlimited, 0); // 10^(2 x 650^1.22) = 10^5321
    expectNear(crackingPercent(100, global), 50, 1e-12);                       // 100 / (1 + 1)
    expectNear(crackingPercent(50, global), 20.22273, 1e-6);                   // 100 / (1 + 0.5^-1.98)
    expectNear(crackingPercent(100, {2, 1.22, 3, -1.98}), 25, 1e-12);          // 100 / (1 + 3)
    EXPECT_EQ(crackingPercent(0, global), 0);
    EXPECT_EQ(crackingPercent(Unlimited, global), 100);
}

// 100 n / N worked out by hand; where n or N leaves the double range the damage comes from the
// logarithms, and a damage beyond the range is +infinity, never NaN.
TEST(FatigueModels, DamageStaysANumberWhereNOrTheDamageLeavesTheDoubleRange) {
    const struct {
        double n;
        AllowableRepetitions allowable;
        double damage;
    } cases[] = {
        {1e4, {30959.93, 4.4908}, 32.29981},
        {1e308, {Unlimited, Unlimited}, 0},   // unlimited N, at any n
        {1e308, {Unlimited, 400}, 0},         // N beyond the double range
        {1e308, {1e6, 6}, 1e304},             // 100 n overflows
        {1e-5, {0, -305}, 1e302},             // N below the double range
        {2.5e6, {0, -470.787458}, Unlimited}, // SR 39.954: 10^479
        {1, {1e-310, -310}, Unlimited},       // a subnormal N
    };
    for (const auto& [n, allowable, damage] : cases) {
        SCOPED_TRACE(n);
        expectNear(damagePercent(n, allowable), damage, 1e-6);
    }
}

TEST(TrafficSpectrumReader, EmptyCellsTakeTheCasesValuesAndBadRowsAreErrors) {
    AnalysisCase base = AnalysisCase::defaults(UnitSystem::English);
    base.F = "7";
    base.gear = GearConfiguration::DualTandem;
    const TrafficSpectrum spectrum = spectrumOf("gear,P,F,Repetitions\n"
                                                "single-single,,,1.5E6\n"
                                                ",12000, 3 ,2e3\n"
                                                "trike,,,1\n"
                                                ",,,0\n"
                                                ",,,many\n"
                                                ",,,\n"
                                                ",,\n",
                                                base);
    std::vector<std::string> groups;
    for (const SpectrumGroup& group : spectrum.groups) {
        groups.push_back(group.error.empty()
                             ? std::string(gearName(group.record.gear)) + " " + group.record.P + " " +
                                   group.record.F + " " + std::to_string(group.repetitions)
                             : group.error);
    }
    EXPECT_EQ(groups, (std::vector<std::string>{"Single-Single 18000 7 1500000.000000",
                                                "Dual-Tandem 12000  3  2000.000000", "unknown gear \"trike\"",
                                                "repetitions must be a number greater than 0, not \"0\"",
                                                "repetitions must be a number greater than 0, not \"many\"",
                                                "no repetitions", "3 cells where the header has 4"}));
    for (const auto& [csv, error] :
         {std::pair{"gear,P\n", "there is no repetitions column"},
          {"units,repetitions\n", "a spectrum is in the case's units: it has no units column"},
          {"repetitions,REPETITIONS\n", "repeated column \"REPETITIONS\""}}) {
        std::istringstream in(csv);
        TrafficSpectrum ignored;
        EXPECT_EQ(readSpectrum(in, base, ignored), error);
    }
}

TEST(FatigueDamage, MinersSumWithUnlimitedFaultingAndErrorRows) {
    const FatigueSettings settings = pcaAt(MrAtSr060);
    const FatigueResult sum = computeFatigue(spectrumOf("P,repetitions\n,1E4\n,3E4\n5000,1E9\n"), settings);
    expectNear(sum.groups[0].damagePercent, 32.30, 1e-4); // 100 n / 30,960
    expectNear(sum.groups[1].damagePercent, 96.90, 1e-4);
    EXPECT_EQ(sum.groups[2].damagePercent, 0);
    expectNear(sum.groups[0].stressRatio, 0.6, 1e-6);
    EXPECT_TRUE(std::isinf(sum.groups[2].allowableRepetitions));
    expectNear(*sum.totalDamagePercent, 129.20, 1e-4);
    EXPECT_FALSE(sum.crackingPercent);

    const TrafficSpectrum faulting = spectrumOf("k,location,repetitions\n,,1E4\n0,,1E4\n,corner,1\n");
    FatigueSettings edgeModel = settings;
    edgeModel.stress = FatigueStress::EdgeModel;
    const FatigueResult faulted = computeFatigue(faulting, edgeModel);
    EXPECT_EQ(groupStatusText(faulted.groups[0]), "ok");
    EXPECT_EQ(groupStatusText(faulted.groups[1]), "fault: WestergaardEdge");
    EXPECT_EQ(groupStatusText(faulted.groups[2]),
              "error: the edge model does not run for this location and gear");
    EXPECT_FALSE(faulted.totalDamagePercent);
    EXPECT_EQ(totalDamageText(faulted), "not known: 2 groups were not computed");
    EXPECT_EQ(solveThickness(faulting, edgeModel).why,
              "row 3: the edge model does not run for this location and gear");
    // A group that faults at every thickness: no grid point can be shown to carry the traffic.
    EXPECT_EQ(solveThickness(spectrumOf("k,repetitions\n0,1\n"), settings).status,
              RequiredThickness::Status::NoneInRange);
    EXPECT_EQ(solveThickness(spectrumOf("h1,repetitions\n,1\n9,1\n"), settings).why, "the spectrum sets h1");
    // An h1 column without a value sets nothing: the solver looks.
    EXPECT_EQ(solveThickness(spectrumOf("h1,repetitions\n,1\n \t,1\n"), settings).status,
              RequiredThickness::Status::Found);
}

// Settings no group can be computed with, and a spectrum without groups: no number is made up.
TEST(FatigueDamage, NothingIsComputedFromUnusableSettingsOrWithoutGroups) {
    const TrafficSpectrum spectrum = spectrumOf("repetitions\n1\n");
    const auto power = [](PowerModelConstants constants) {
        FatigueSettings settings = pcaAt(650);
        settings.model = FatigueModel::Power;
        settings.constants = constants;
        return settings;
    };
    const std::pair<FatigueSettings, const char*> unusable[] = {
        {pcaAt(0), "the modulus of rupture must be a finite number greater than 0"},
        {pcaAt(INFINITY), "the modulus of rupture must be a finite number greater than 0"},
        {power({0, 1.22, 1, -1.98}), "C1 must be a finite number greater than 0"},
        {power({NAN, 1.22, 1, -1.98}), "C1 must be a finite number greater than 0"},
        {power({2, INFINITY, 1, -1.98}), "C2 must be a finite number greater than 0"},
        {power({2, 1.22, -1, -1.98}), "C4 must be a finite number greater than 0"},
        {power({2, 1.22, 1, 0}), "C5 must be a finite number less than 0"}};
    for (const auto& [settings, problem] : unusable) {
        SCOPED_TRACE(problem);
        EXPECT_EQ(groupStatusText(computeFatigue(spectrum, settings).groups[0]),
                  std::string("error: ") + problem);
        EXPECT_EQ(requiredThicknessText(solveThickness(spectrum, settings), UnitSystem::English),
                  std::string("not solved: ") + problem);
    }
    const TrafficSpectrum empty =
        buildSpectrum({{"repetitions"}, {}}, AnalysisCase::defaults(UnitSystem::English));
    EXPECT_EQ(totalDamageText(computeFatigue(empty, pcaAt(650))), "not known: there is no load group");
    EXPECT_EQ(solveThickness(empty, pcaAt(650)).why, "there is no load group");
}

TEST(FatigueDamage, MetricModulusOfRuptureIsInKpa) {
    const AnalysisCase base = AnalysisCase::defaults(UnitSystem::Metric);
    FatigueSettings settings = pcaAt(650 * 6.89);
    const FatigueResult result = computeFatigue(spectrumOf("repetitions\n1E4\n", base), settings);
    const GroupDamage& group = result.groups[0];
    expectNear(group.stress, group.stressPsi * 6.89, 1e-12);
    expectNear(group.stressRatio, group.stressPsi / 650, 1e-8);
    EXPECT_EQ(modulusOfRupturePsi(settings, UnitSystem::Metric), 650);
}

TEST(ThicknessSolver, EqualsAFullScanWhereDamageRisesWithThickness) {
    // The combined stress of the default case rises from 419.704956 psi at h1 = 6.75 to 422.829224 at
    // 6.76 (420.662445 at 6.74). Against MR = 650, 8600 passes do 103.13 % at 6.74, 98.996 % at 6.75
    // and 113.15 % at 6.76: the damage is not monotone, and 6.75 is the least thickness that carries.
    const TrafficSpectrum spectrum = spectrumOf("repetitions\n8600\n");
    const FatigueSettings settings = pcaAt(650);
    EXPECT_GT(*totalDamageAt(spectrum, settings, "6.76"), 100);
    ASSERT_EQ(thicknessGridPoints(UnitSystem::English), 1601);
    std::string scanned;
    for (int point = 0; point < 1601 && scanned.empty(); ++point) {
        const std::string text = thicknessGridText(UnitSystem::English, point);
        if (const std::optional<double> damage = totalDamageAt(spectrum, settings, text);
            damage && *damage <= 100) {
            scanned = text;
        }
    }
    EXPECT_EQ(scanned, "6.75");
    const RequiredThickness solved = solveThickness(spectrum, settings);
    EXPECT_EQ(solved.h1Text, scanned);
    EXPECT_EQ(solved.h1, 6.75);
    EXPECT_NEAR(solved.totalDamagePercent, 98.996, 0.001);
    EXPECT_EQ(solved.totalDamagePercent, *totalDamageAt(spectrum, settings, scanned));

    // Metric: the grid runs from 10.16 to 50.80 cm; light traffic is carried by the thinnest slab.
    EXPECT_EQ(thicknessGridText(UnitSystem::Metric, thicknessGridPoints(UnitSystem::Metric) - 1), "50.80");
    const TrafficSpectrum light =
        spectrumOf("P,repetitions\n1,1\n", AnalysisCase::defaults(UnitSystem::Metric));
    const RequiredThickness thinnest = solveThickness(light, pcaAt(4000));
    EXPECT_EQ(requiredThicknessText(thinnest, UnitSystem::Metric), "10.16 cm");
    FatigueSettings tiny = pcaAt(1);
    EXPECT_EQ(requiredThicknessText(solveThickness(light, tiny), UnitSystem::Metric),
              "none within the typical range (10.16 to 50.80 cm)");
}

TEST(ThicknessSolver, TheDamageCurveIsTheTotalAtEveryStrideOfTheGrid) {
    const TrafficSpectrum spectrum = spectrumOf("repetitions\n8600\n");
    const FatigueSettings settings = pcaAt(650);
    const std::vector<ThicknessDamage> curve = damageAgainstThickness(spectrum, settings, 100);
    ASSERT_EQ(curve.size(), 17u); // 4.00, 5.00, ... 20.00 in
    EXPECT_EQ(curve.front().h1, 4);
    EXPECT_EQ(curve[7].h1, 11);
    EXPECT_EQ(curve.back().h1, 20);
    EXPECT_EQ(curve[7].totalDamagePercent, totalDamageAt(spectrum, settings, "11.00"));
    const std::vector<ThicknessDamage> uneven = damageAgainstThickness(spectrum, settings, 300);
    ASSERT_EQ(uneven.size(), 7u); // 4.00, 7.00, ... 19.00 and 20.00 in
    EXPECT_EQ(uneven[5].h1, 19);
    EXPECT_EQ(uneven[6].h1, 20);
    EXPECT_EQ(uneven[6].totalDamagePercent, curve.back().totalDamagePercent);
    EXPECT_TRUE(damageAgainstThickness(spectrumOf("h1,repetitions\n9,1\n"), settings, 100).empty());

    // Shared out among threads, the curve is the same; asked to stop, nothing more is computed.
    const auto damages = [](const std::vector<ThicknessDamage>& points) {
        std::vector<std::optional<double>> totals;
        for (const ThicknessDamage& point : points) {
            totals.push_back(point.totalDamagePercent);
        }
        return totals;
    };
    EXPECT_EQ(damages(damageAgainstThickness(spectrum, settings, 100, 3)), damages(curve));
    std::stop_source stopped;
    stopped.request_stop();
    const std::vector<ThicknessDamage> none =
        damageAgainstThickness(spectrum, settings, 100, 2, stopped.get_token());
    EXPECT_EQ(none.size(), 17u);
    EXPECT_EQ(none.back().h1, 20);
    EXPECT_EQ(damages(none), std::vector<std::optional<double>>(17));
    EXPECT_EQ(solveThickness(spectrum, settings, stopped.get_token()).status,
              RequiredThickness::Status::NotSolved);
}

// The printout: the title with the time, the report's inputs, the power model's constants, the table.
TEST(FatigueOutput, ThePrintoutHoldsTheInputsTheSettingsAndTheTable) {
    const AnalysisCase base = AnalysisCase::defaults(UnitSystem::Metric);
    const TrafficSpectrum spectrum = spectrumOf("gear,repetitions\ndual-tandem,1E4\n", base);
    FatigueSettings settings = pcaAt(4480);
    settings.model = FatigueModel::Power;
    settings.constants.c5 = -2.5;
    const std::vector<std::string> lines = fatiguePrintLines(
        base, spectrum, settings, computeFatigue(spectrum, settings), std::nullopt, "2024-05-06 10:30");
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], "KORVANEX Fatigue Damage, printed 2024-05-06 10:30");
    EXPECT_EQ(lines[4], "                      Edge Stress Analysis");
    EXPECT_EQ(lines[8], "         Axle Load, P (kN) = 80");
    const auto line = [&lines](std::string_view start) {
        const auto found = std::find_if(lines.begin(), lines.end(),
                                        [start](const std::string& text) { return text.starts_with(start); });
        return found != lines.end() ? *found : std::string();
    };
    EXPECT_EQ(line("Power"), "Power model constants: C1 = 2   C2 = 1.22   C4 = 1   C5 = -2.5");
    EXPECT_EQ(line("Fatigue model"),
              "Fatigue model: power   Stress: combined   Modulus of rupture: 4480.0 kPa   "
              "Target: 100.00 %");
    EXPECT_EQ(line(" Row"),
              " Row  Gear              Load (kN)    dT (oC)    Stress (kPa)       SR    Allowable "
              "Reps    Repetitions    Damage (%)");
    EXPECT_EQ(lines.back().substr(0, 15), "Slabs cracked: ");
}
