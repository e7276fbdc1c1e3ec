// The command-line tool as a user runs it: output, exit status and messages.

#include "cli_run.h"

using namespace korvanex;

namespace {

std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

// The example case with the wheels at the interior of a single-single gear and the given subgrade
// modulus.
constexpr std::size_t LocationLine = 5, GearLine = 7, KLine = 25;

} // namespace

TEST_F(CliTest, ReportPrintsTheReportFileWithPlainLineEndsAndTakesTheSettingsOfTheOptions) {
    const ToolRun printed = run("report");
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.err, "");
    const std::string golden = contentsOf(KORVANEX_TEST_DATA "/reports/default-english.PRN");
    EXPECT_EQ(printed.out, withoutCarriageReturns(golden));
    EXPECT_EQ(run("report --metric").out,
              withoutCarriageReturns(contentsOf(KORVANEX_TEST_DATA "/reports/default-metric.PRN")));

    const ToolRun written = run("report --output " + (folder / "default.PRN").string());
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(contentsOf(folder / "default.PRN"), golden);

    // Settings that the case file does not hold.
    const std::string tied = run("report --tied-shoulder yes --widened-lane yes --transverse-spacing 70").out;
    EXPECT_NE(tied.find("Tied Concrete Shoulder : Yes\n"), std::string::npos);
    EXPECT_NE(tied.find("Widened Outer Lane : Yes\n"), std::string::npos);
    EXPECT_NE(tied.find("Transverse Wheel Spacing, d (in) = 70.00\n"), std::string::npos);
    EXPECT_NE(run("report --detailed").out.find("Adjustment Factors"), std::string::npos);
}

TEST_F(CliTest, JsonHoldsTheOptionsAndEveryResultAndAFaultExitsWithOne) {
    const ToolRun edge = run("json");
    EXPECT_EQ(edge.status, 0);
    EXPECT_NE(edge.out.find("\"gear\": \"Dual-Single\""), std::string::npos);
    EXPECT_NE(edge.out.find("\"MdTopLayerStress\": "), std::string::npos);

    const ToolRun interior =
        run("json " + caseFile("interior.DEF",
                               {{LocationLine, "Interior Stress Analysis"}, {GearLine, "Single-Single"}}));
    EXPECT_EQ(interior.status, 0);
    EXPECT_NE(interior.out.find("\"location\": \"Interior\""), std::string::npos);
    EXPECT_EQ(interior.out.find("\"MdTopLayerStress\""), std::string::npos); // the edge model did not run

    const ToolRun faulted = run("report " + caseFile("k0.DEF", {{LocationLine, "Interior Stress Analysis"},
                                                                {GearLine, "Single-Single"},
                                                                {KLine, "0"}}));
    EXPECT_EQ(faulted.status, 1);
    EXPECT_EQ(faulted.out, "");
    EXPECT_NE(faulted.err.find("floating-point fault in WestergaardEdge"), std::string::npos);
    EXPECT_NE(faulted.err.find("degenerate"), std::string::npos);
}

TEST_F(CliTest, BadUsageAndUnreadableFilesExitWithTwo) {
    for (const std::string arguments : {"", "frobnicate", "report --tied-shoulder maybe", "report --output",
                                        "report --bogus", "report a.DEF b.DEF", "report --solve-thickness"}) {
        SCOPED_TRACE(arguments);
        const ToolRun bad = run(arguments);
        EXPECT_EQ(bad.status, 2);
        EXPECT_EQ(bad.out, "");
        EXPECT_NE(bad.err, "");
    }
    EXPECT_EQ(run("report --solve-thickness").err.find("--solve-thickness does not apply to report"), 14u);
    const ToolRun wrong = run("report " + file("wrong.DEF", "****ENG****\r\n\r\nnot a case\r\n"));
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("Incorrect Input File!"), std::string::npos);
    EXPECT_EQ(run("--help").status, 0);
}

TEST_F(CliTest, FatigueWritesTheTableCsvAndJson) {
    // On the default case the combined stress is 243.344376 psi: MR = 405.574 puts it at SR = 0.6,
    // N = 10^4.4908 = 30,960, so 1E4 passes do 32.30 %; 5,000 lbs stays below SR 0.45, unlimited.
    const std::string common = "fatigue --spectrum " +
                               file("spectrum.csv", "P,repetitions\n,1E4\n5000,1E9\n") +
                               " --modulus-of-rupture 405.574";
    const std::string solving = common + " --solve-thickness";
    const ToolRun table = run(solving);
    EXPECT_EQ(table.status, 0);
    EXPECT_NE(table.out.find(
                  "   1  dual-single         18000.0        0.0           243.3    0.600         3.096E+04"),
              std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("unlimited      1.000E+09          0.00\n"), std::string::npos);
    EXPECT_NE(table.out.find("\nTotal damage: 32.30 %\nRequired slab thickness h1: "), std::string::npos);

    EXPECT_EQ(run(common + " --csv --output " + (folder / "out.csv").string()).status, 0);
    const std::string csv = contentsOf(folder / "out.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "P,repetitions,status,stress,stress_ratio,allowable_repetitions,damage_percent");
    EXPECT_NE(csv.find("\n5000,1E9,ok,"), std::string::npos);
    EXPECT_TRUE(csv.ends_with(",,0\n")) << csv; // unlimited: allowable empty, damage 0

    EXPECT_NE(
        run(solving + " --json")
            .out.find("\"allowable_repetitions\": null, \"repetitions\": 1e+09, \"damage_percent\": 0}"),
        std::string::npos);
    const ToolRun metric = run("fatigue --metric --json --spectrum " + file("one.csv", "repetitions\n1\n") +
                               " --modulus-of-rupture 4478.5");
    EXPECT_NE(metric.out.find("\"modulus_of_rupture\": 650,"), std::string::npos) << metric.out; // / 6.89
    EXPECT_NE(metric.out.find("\"required_h1_units\": \"cm\""), std::string::npos);
    for (const std::string bad : {" --model wrong", " --c1 3", " --csv --json", " --target 0"}) {
        EXPECT_EQ(run(solving + bad).status, 2) << bad;
    }
    EXPECT_EQ(run(common + " --stress edge").err, "korvanex-cli: --stress takes combined, loading or "
                                                  "edge-model, not \"edge\"\nTry 'korvanex-cli --help'.\n");
}
