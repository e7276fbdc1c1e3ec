#include "io/report.h"

#include "io/file_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace korvanex {
namespace {

const std::string Star = "         ************************************************";

// Results with a different value in every field, so that a value printed on the wrong line shows.
AnalysisResults distinctiveResults() {
    AnalysisResults results;
    results.MdEdgeInfSlab = 401.26f;
    results.MdSlabSize = 0.9134f;
    results.MdTiedShoulder = 0.9871f;
    results.MdWidenedLane = 0.9562f;
    results.MdSecondLayer = 0.9921f;
    results.MdTopLayerStress = 352.04f;
    results.MdCurlStress = 95.67f;
    results.MdCombinedStress = 447.71f;
    results.MdBottomLayerStress = 120.33f;
    results.InfiniteSlabStress = 389.42f;
    results.SlabSizeFactor = 0.9383f;
    results.TiedFactor = 0.8716f;
    results.WidenedFactor = 0.9047f;
    results.SecondLayerFactor = 0.8129f;
    results.LoadingStressOnly = 251.88f;
    results.CurlStress = 166.52f;
    results.SlabSizeLosFactor = 0.7761f;
    results.LoadCurlFactor = 0.6842f;
    results.CombinedStress = 365.81f;
    results.l = 35.5;
    results.WestergaardStress = 301.37f;
    results.GearFactor = 1.2372f;
    results.OtherWheelsFactor = 1.0463f;
    results.L_l = 5.0704f;
    results.W_l = 4.0563f;
    results.a_l = 0.1658f;
    results.s_l = 0.3381f;
    results.t_l = 1.4089f;
    results.d_l = 2.4797f;
    results.ADT = 8.25f;
    results.DP = 3.1416f;
    results.DG = 0.0517f;
    results.AGG_kl = 5.4178f;
    results.D0_l = 0.6762f;
    return results;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The position of a line that must be present.
std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line) {
    const auto found = std::find(lines.begin(), lines.end(), line);
    EXPECT_NE(found, lines.end()) << "missing line: [" << line << "]";
    return static_cast<std::size_t>(found - lines.begin());
}

bool hasEdgeModelSection(const std::vector<std::string>& lines) {
    return contains(lines, "              MERIDOC Edge Stress Analysis Results      ");
}

TEST(ReportTest, DefaultEnglishReportLineForLine) {
    const AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    const std::vector<std::string> expected = {
        "",
        "",
        Star,
        "                      Edge Stress Analysis",
        "                        Original  Data",
        Star,
        "         Gear Configuration (Wheel-Axle) : Dual-Single",
        "         Axle Load, P (lbs) = 18000",
        "         Tire Pressure, p (psi) = 100.00",
        "         Spacing in Dual Wheels, s (in) = 12.00",
        "         Longitudinal Wheel Spacing, t (in) = 50.00",
        "         Transverse Wheel Spacing, d (in) = 88.00",
        "         Layer : One Layer",
        "         Slab (1st Layer) Thickness, h1 (in) = 9.50",
        "         Slab (1st Layer) Modulus, E1 (psi) = 4000000.0",
        "         Slab (1st Layer) Unit Weight, γ1 (pci) = 0.087",
        "         Slab (1st Layer) Possion Ratio, μ1 = 0.15",
        "         Slab Length, L (ft) = 15.00",
        "         Slab Weight, W (ft) = 12.00",
        "         Subgrade Modulus, k (psi/in) = 130.00",
        "         Tied Concrete Shoulder : No",
        "         Widened Outer Lane : No",
        "         Critical Temperature Differential, ΔT (oF) = 0.00",
        "         Thermal Coefficient, alpha (/oF) = 0.0000055",
        Star,
        "",
        "",
        "",
        "              MERIDOC Edge Stress Analysis Results      ",
        Star,
        "         Edge Stress Infinite Slab (psi) = 401.3",
        "           Slab Size Effect Factor = 0.913",
        "           Tied Concrete Shoulder Factor = 0.987",
        "           Widened Outer Lane Factor = 0.956",
        "           Second Layer Factor = 0.992",
        "         Slab Edge Stress Top Layer, psi = 352.0",
        Star,
        "",
        "                      Stress Analysis Results       ",
        Star,
        "         Infinite Slab Stress (psi) = 389.4",
        "           Slab Size Effect Factor = 0.938",
        "           Tied Concrete Shoulder Factor = 0.872",
        "           Widened Outer Lane Factor = 0.905",
        "           Second Layer Factor = 0.813",
        "         Loading Stress Only (psi) = 251.9",
        Star,
    };
    EXPECT_EQ(WriteReport(record, false, distinctiveResults()), expected);
}

TEST(ReportTest, InputEchoFollowsTheRecord) {
    const AnalysisResults results = distinctiveResults();

    AnalysisCase corner = AnalysisCase::defaults(UnitSystem::English);
    corner.location = WheelLocation::Corner;
    corner.gear = GearConfiguration::SingleTridem;
    const std::vector<std::string> cornerLines = WriteReport(corner, false, results);
    EXPECT_EQ(cornerLines[3], "                     Corner Stress Analysis");
    EXPECT_EQ(cornerLines[6], "         Gear Configuration (Wheel-Axle) : Single-Tridem");

    AnalysisCase interior = AnalysisCase::defaults(UnitSystem::English);
    interior.location = WheelLocation::Interior;
    EXPECT_EQ(WriteReport(interior, false, results)[3], "                    Interior Stress Analysis");

    // The caption as it stands (a case file names the subgrade modulus with a capital K), and a text
    // that is not a whole number printed as typed.
    AnalysisCase fromFile = AnalysisCase::defaults(UnitSystem::English);
    setFileCaptions(fromFile, UnitSystem::English);
    fromFile.P = "12abc";
    fromFile.tp = "99.996";
    const std::vector<std::string> fileLines = WriteReport(fromFile, false, results);
    EXPECT_TRUE(contains(fileLines, "         Subgrade Modulus, K (psi/in) = 130.00"));
    EXPECT_TRUE(contains(fileLines, "         Axle Load, P (lbs) = 12abc"));
    EXPECT_TRUE(contains(fileLines, "         Tire Pressure, p (psi) = 100.00"));

    // One layer: neither h2 nor E2 is echoed, and the edge model has no bottom-layer line.
    const std::vector<std::string> oneLayer =
        WriteReport(AnalysisCase::defaults(UnitSystem::English), false, results);
    EXPECT_FALSE(contains(oneLayer, "         h2 (in) = 6.00"));
    EXPECT_FALSE(contains(oneLayer, "         E2 (psi) = 2000000"));
    EXPECT_FALSE(contains(oneLayer, "         Slab Edge Stress Bottom Layer, psi = 120.3"));

    // Two layers: h2 and E2 right after the Poisson ratio, and the bottom layer closes the edge model.
    AnalysisCase twoLayers = AnalysisCase::defaults(UnitSystem::English);
    twoLayers.layer = LayerType::TwoLayerUnbonded;
    twoLayers.E2 = "2.5E+06";
    const std::vector<std::string> layered = WriteReport(twoLayers, false, results);
    const std::size_t poisson = indexOf(layered, "         Slab (1st Layer) Possion Ratio, μ1 = 0.15");
    EXPECT_EQ(layered[poisson - 4], "         Layer : Two Layer Unbonded");
    EXPECT_EQ(layered[poisson + 1], "         h2 (in) = 6.00");
    EXPECT_EQ(layered[poisson + 2], "         E2 (psi) = 2500000");
    EXPECT_EQ(layered[poisson + 3], "         Slab Length, L (ft) = 15.00");
    const std::size_t bottom = indexOf(layered, "         Slab Edge Stress Bottom Layer, psi = 120.3");
    EXPECT_EQ(layered[bottom - 1], "         Slab Edge Stress Top Layer, psi = 352.0");
    EXPECT_EQ(layered[bottom + 1], Star);

    // Tied shoulder and widened lane: No has no value line, Yes is followed by its value.
    EXPECT_FALSE(contains(oneLayer, "         Tied Concrete Shoulder, AGG (psi) = 25000.00"));
    EXPECT_FALSE(contains(oneLayer, "         Widende Outer Lane, D0 (in) = 24.00"));
    AnalysisCase options = AnalysisCase::defaults(UnitSystem::English);
    options.tiedShoulder = true;
    const std::vector<std::string> tiedLines = WriteReport(options, false, results);
    const std::size_t tied = indexOf(tiedLines, "         Tied Concrete Shoulder : Yes");
    EXPECT_EQ(tiedLines[tied - 1], "         Subgrade Modulus, k (psi/in) = 130.00");
    EXPECT_EQ(tiedLines[tied + 1], "         Tied Concrete Shoulder, AGG (psi) = 25000.00");
    EXPECT_EQ(tiedLines[tied + 2], "         Widened Outer Lane : No");
    EXPECT_EQ(tiedLines[tied + 3], "         Critical Temperature Differential, ΔT (oF) = 0.00");

    options.tiedShoulder = false;
    options.widenedLane = true;
    const std::vector<std::string> widenedLines = WriteReport(options, false, results);
    const std::size_t widened = indexOf(widenedLines, "         Widened Outer Lane : Yes");
    EXPECT_EQ(widenedLines[widened - 1], "         Tied Concrete Shoulder : No");
    EXPECT_EQ(widenedLines[widened + 1], "         Widende Outer Lane, D0 (in) = 24.00");
    EXPECT_EQ(widenedLines[widened + 2], "         Critical Temperature Differential, ΔT (oF) = 0.00");
}

TEST(ReportTest, EdgeModelSectionOnlyAtTheEdgeForItsGears) {
    const AnalysisResults results = distinctiveResults();
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);

    for (GearConfiguration gear : {GearConfiguration::SingleSingle, GearConfiguration::DualSingle,
                                   GearConfiguration::DualTandem, GearConfiguration::DualTridem}) {
        record.gear = gear;
        EXPECT_TRUE(hasEdgeModelSection(WriteReport(record, false, results))) << gearName(gear);
    }

    for (GearConfiguration gear : {GearConfiguration::SingleTandem, GearConfiguration::SingleTridem}) {
        record.gear = gear;
        const std::vector<std::string> lines = WriteReport(record, false, results);
        EXPECT_FALSE(hasEdgeModelSection(lines)) << gearName(gear);
        // The input echo's closing empty line leads straight into the results section.
        const std::size_t heading = indexOf(lines, "                      Stress Analysis Results       ");
        EXPECT_EQ(lines[heading - 1], "");
        EXPECT_EQ(lines[heading - 2], "");
        EXPECT_EQ(lines[heading - 3], Star);
        EXPECT_FALSE(contains(lines, "         Edge Stress Infinite Slab (psi) = 401.3"));
    }

    record.gear = GearConfiguration::DualTandem;
    for (WheelLocation location : {WheelLocation::Interior, WheelLocation::Corner}) {
        record.location = location;
        EXPECT_FALSE(hasEdgeModelSection(WriteReport(record, false, results))) << locationName(location);
    }
}

TEST(ReportTest, CurlingLinesFollowTheTemperatureDifferential) {
    const AnalysisResults results = distinctiveResults();
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);

    for (const char* zero : {"0", "0.000", "none"}) {
        record.F = zero;
        const std::vector<std::string> lines = WriteReport(record, false, results);
        EXPECT_FALSE(contains(lines, "           Edge Curling Stress, psi = 95.7")) << zero;
        EXPECT_FALSE(contains(lines, "           Westergaard Edge Curling Stress (psi) = 166.5")) << zero;
        EXPECT_EQ(lines[lines.size() - 2], "         Loading Stress Only (psi) = 251.9") << zero;
    }

    // A negative differential counts as its size: every curling line is written.
    record.F = "-5";
    const std::vector<std::string> edge = WriteReport(record, false, results);
    const std::size_t top = indexOf(edge, "         Slab Edge Stress Top Layer, psi = 352.0");
    EXPECT_EQ(edge[top + 1], "           Edge Curling Stress, psi = 95.7");
    EXPECT_EQ(edge[top + 2], "         Combined Slab Edge Stress (Load & Curl), psi = 447.7");
    EXPECT_EQ(edge[top + 3], Star);
    const std::vector<std::string> edgeTail = {
        "         Loading Stress Only (psi) = 251.9",
        "           Westergaard Edge Curling Stress (psi) = 166.5",
        "           Slab Size Effect Factor (w/ Loss of Support) = 0.938",
        "           Loading & Thermal Curling Factor = 0.684",
        "         Combined Loading & Curling Stress (psi) = 365.8",
        Star,
    };
    EXPECT_EQ(std::vector<std::string>(edge.end() - 6, edge.end()), edgeTail);

    // Away from the edge: the restrained-slab label and the factor with loss of support.
    const std::vector<std::string> cornerTail = {
        "         Loading Stress Only (psi) = 251.9",
        "           Westergaard Interior Curling Stress (psi) = 166.5",
        "           Slab Size Effect Factor (w/ Loss of Support) = 0.776",
        "           Loading & Thermal Curling Factor = 0.684",
        "         Combined Loading & Curling Stress (psi) = 365.8",
        Star,
    };
    record.F = "0.01";
    for (WheelLocation location : {WheelLocation::Corner, WheelLocation::Interior}) {
        record.location = location;
        const std::vector<std::string> lines = WriteReport(record, false, results);
        EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end()), cornerTail)
            << locationName(location);
    }
}

TEST(ReportTest, DetailedSectionAndMetricUnits) {
    AnalysisResults results = distinctiveResults();
    const std::vector<std::string> adjustmentFactors = {
        Star,
        "",
        "",
        "                        Adjustment Factors",
        Star,
        "          Radius of Relative stiffness (in) = 35.50",
        "          Westergaard Stress (psi) = 301.4",
        "          Gear Configuration Factor = 1.237",
        "          Other Transverse Wheels Factor = 1.046",
        "          Loading & Thermal Curling Factor = 0.684",
        "          L/l = 5.070",
        "          W/l = 4.056",
        "          a/l = 0.166",
        "          s/l = 0.338",
        "          t/l = 1.409",
        "          d/l = 2.480",
        "          ADT = 8.250",
        "          DP = 3.142",
        "          DG = 0.052",
        "          AGG/kl = 5.418",
        "          D0/l = 0.676",
        Star,
    };
    const AnalysisCase english = AnalysisCase::defaults(UnitSystem::English);
    const std::vector<std::string> plain = WriteReport(english, false, results);
    const std::vector<std::string> detailed = WriteReport(english, true, results);
    ASSERT_EQ(detailed.size(), plain.size() + adjustmentFactors.size() - 1);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), detailed.begin()));
    EXPECT_EQ(std::vector<std::string>(detailed.end() - adjustmentFactors.size(), detailed.end()),
              adjustmentFactors);

    // Metric: stresses are the psi values times 6.89, the radius is in cm, the echo has metric captions.
    // The product is formed in double: 65 x 6.89 falls just below 447.85 and 155 x 6.89 just above
    // 1067.95, where a product rounded to float would print 447.9 and 1067.9.
    results.InfiniteSlabStress = 100.0f;
    results.LoadingStressOnly = 65.0f;
    results.WestergaardStress = 155.0f;
    const AnalysisCase metric = AnalysisCase::defaults(UnitSystem::Metric);
    const std::vector<std::string> lines = WriteReport(metric, true, results);
    EXPECT_TRUE(contains(lines, "         Axle Load, P (kN) = 80"));
    EXPECT_TRUE(contains(lines, "         Tire Pressure, p (kPa) = 689.00"));
    EXPECT_TRUE(contains(lines, "         Slab (1st Layer) Unit Weight, γ1 (kg/m^3) = 2410.000"));
    EXPECT_TRUE(contains(lines, "         Thermal Coefficient, alpha (/oC) = 0.0000099"));
    EXPECT_TRUE(contains(lines, "         Edge Stress Infinite Slab (kPa) = 2764.7"));
    EXPECT_TRUE(contains(lines, "         Slab Edge Stress Top Layer, kPa = 2425.6"));
    EXPECT_TRUE(contains(lines, "         Infinite Slab Stress (kPa) = 689.0"));
    EXPECT_TRUE(contains(lines, "         Loading Stress Only (kPa) = 447.8"));
    EXPECT_TRUE(contains(lines, "          Radius of Relative stiffness (cm) = 90.17"));
    EXPECT_TRUE(contains(lines, "          Westergaard Stress (kPa) = 1068.0"));
    EXPECT_TRUE(contains(lines, "           Second Layer Factor = 0.813"));
    EXPECT_TRUE(contains(lines, "          L/l = 5.070"));
}

TEST(ReportTest, ReportFileEndsEveryLineWithCrLf) {
    EXPECT_EQ(reportFileText({}), "");
    EXPECT_EQ(reportFileText({"", "  a", "ΔT"}), "\r\n  a\r\nΔT\r\n");

    const std::vector<std::string> lines =
        WriteReport(AnalysisCase::defaults(UnitSystem::English), false, distinctiveResults());
    const std::string text = reportFileText(lines);
    EXPECT_EQ(text.substr(0, 4), "\r\n\r\n");
    EXPECT_EQ(text.substr(text.size() - Star.size() - 2), Star + "\r\n");

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "korvanex_report_test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "REPORT.PRN").string();
    ASSERT_EQ(writeReportFile(path, lines), "");
    std::string written;
    ASSERT_EQ(readSmallFile(path, written), "");
    EXPECT_EQ(written, text);
    std::filesystem::remove_all(folder);

    EXPECT_NE(writeReportFile((folder / "missing" / "REPORT.PRN").string(), lines), "");
}

} // namespace
} // namespace korvanex
