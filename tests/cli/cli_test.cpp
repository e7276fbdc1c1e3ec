// SPDX-License-Identifier: Apache-2.0
// The command-line tool as a user runs it: output, exit status and messages.

#include "../golden_file.h"
#include "cli_run.h"

#include <set>

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
    EXPECT_TRUE(hasParts(tied, {"Tied Concrete Shoulder : Yes\n", "Widened Outer Lane : Yes\n",
                                "Transverse Wheel Spacing, d (in) = 70.00\n"}));
    EXPECT_TRUE(hasParts(run("report --detailed").out, {"Adjustment Factors"}));
}

TEST_F(CliTest, JsonHoldsTheOptionsAndEveryResultAndAFaultExitsWithOne) {
    const ToolRun edge = run("json");
    EXPECT_EQ(edge.status, 0);
    EXPECT_TRUE(hasParts(edge.out, {"\"gear\": \"Dual-Single\"", "\"MdTopLayerStress\": "}));

    const ToolRun interior =
        run("json " + caseFile("interior.DEF",
                               {{LocationLine, "Interior Stress Analysis"}, {GearLine, "Single-Single"}}));
    EXPECT_EQ(interior.status, 0);
    EXPECT_TRUE(hasParts(interior.out, {"\"location\": \"Interior\""}));
    EXPECT_EQ(interior.out.find("\"MdTopLayerStress\""), std::string::npos); // the edge model did not run

    const ToolRun faulted = run("report " + caseFile("k0.DEF", {{LocationLine, "Interior Stress Analysis"},
                                                                {GearLine, "Single-Single"},
                                                                {KLine, "0"}}));
    EXPECT_EQ(faulted.status, 1);
    EXPECT_EQ(faulted.out, "");
    EXPECT_TRUE(hasParts(faulted.err, {"floating-point fault in WestergaardEdge", "degenerate"}));
}

namespace {

// A command line, the exit status and the first line on standard error without the tool's name: for
// bad usage (status 2) a second line points to the help; a line that is taken (status 0) says nothing.
struct UsageCase {
    const char* arguments;
    int status;
    const char* message;
};

constexpr UsageCase usageCases[] = {
    {"", 2, "no command given"},
    {"frobnicate", 2, "unknown command \"frobnicate\""},
    {"-x", 2, "unknown command \"-x\""},
    {" report", 2, "unknown command \"\""}, // an empty argument first
    {"--help frobnicate", 2, "unknown command \"frobnicate\""},
    {"report --bogus", 2, "unknown option --bogus"},
    {"report --metric=yes", 2, "unknown option --metric=yes"},
    {"report --output", 2, "--output needs a value"},
    {"report a.DEF b.DEF", 2, "more than one case file given"},
    {"batch a.csv b.csv", 2, "more than one CSV file given"},
    {"report --tied-shoulder maybe", 2, "--tied-shoulder takes yes or no, not \"maybe\""},
    {"batch in.csv --jobs 0", 2, "--jobs takes a whole number from 1 to 256, not \"0\""},
    {"batch in.csv --jobs 257", 2, "--jobs takes a whole number from 1 to 256, not \"257\""},
    {"batch in.csv --jobs 2x", 2, "--jobs takes a whole number from 1 to 256, not \"2x\""},
    {"sweep --vary h1=6:8", 2, "--vary: \"h1=6:8\" is not FIELD=FROM:TO:STEPS"},
    // What a command cannot do without.
    {"batch --jobs 2", 2, "batch needs a CSV file"},
    {"sweep --jobs 2", 2, "sweep needs --vary FIELD=FROM:TO:STEPS"},
    {"fatigue", 2, "fatigue needs --spectrum FILE.csv"},
    {"fatigue --spectrum s.csv", 2, "fatigue needs --modulus-of-rupture MR"},
    {"fatigue --spectrum s.csv --modulus-of-rupture 650 --c1 3", 2,
     "--c1, --c2, --c4 and --c5 apply to the power model only"},
    {"fatigue --spectrum s.csv --modulus-of-rupture 650 --csv --json", 2,
     "--csv and --json cannot be given together"},
    // Options given to a command they do not apply to.
    {"report --solve-thickness", 2, "--solve-thickness does not apply to report"},
    {"report --json", 2, "--json does not apply to report"},
    {"json --c1 3", 2, "--c1 does not apply to json"},
    {"report --vary h1=6:8:3", 2, "--vary does not apply to report"},
    {"batch in.csv --vary h1=6:8:3", 2, "--vary does not apply to batch"},
    {"sweep --vary h1=6:8:3 --jobs 2", 2, "--jobs does not apply to sweep"},
    {"batch in.csv --tied-shoulder no", 2,
     "--tied-shoulder does not apply to batch: each row gives the whole case"},
    {"batch in.csv --metric --detailed", 2,
     "--metric does not apply to batch: each row gives the whole case"},
    {"sweep --vary h1=6:8:3 --detailed", 2, "--detailed does not apply to sweep: the CSV holds every factor"},
    {"plan --detailed", 2, "--detailed does not apply to plan"},
    {"fatigue --spectrum s.csv --modulus-of-rupture 650 --detailed", 2,
     "--detailed does not apply to fatigue"},
    {"fatigue --vary h1=6:8:3", 2, "--vary does not apply to fatigue"},
    {"verify case.DEF", 2, "verify takes no case file and no options"},
    {"verify --output out.txt", 2, "verify takes no case file and no options"},
    {"verify --jobs 2", 2, "--jobs does not apply to verify"},
    {"report --mesh fine", 2, "--mesh does not apply to report"},
    {"plate --detailed", 2, "--detailed does not apply to plate"},
    {"plate --mesh medium", 2, "--mesh takes coarse, default or fine, not \"medium\""},
    {"plate --load both", 2, "--load takes gear or single, not \"both\""},
    {"plate --shoulder-width 0", 2, "--shoulder-width takes a number greater than 0, not \"0\""},
    {"plate --svg", 2, "--svg needs a value"},
    {"verify --json", 2, "verify takes no case file and no options"},
    {"json --adtt 1000", 2, "--adtt does not apply to json"},
    {"batch in.csv --design d.kvx", 2, "--design does not apply to batch: each row gives the whole case"},
    {"sweep --vary h1=6:8:3 --save-design d.kvx", 2, "--save-design does not apply to sweep"},
    {"verify --save-design d.kvx", 2, "verify takes no case file and no options"},
    {"report a.DEF --design d.kvx", 2, "a case file and --design cannot be given together"},
    // Reliability: the fatigue options and its own, which no other command takes.
    {"reliability", 2, "reliability needs --spectrum FILE.csv"},
    {"reliability --spectrum s.csv", 2, "reliability needs --modulus-of-rupture MR"},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --scatter MR", 2,
     "--scatter: \"MR\" is not NAME=COV[:lognormal|normal]"},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --scatter h2=0.1", 2,
     "--scatter: \"h2\" cannot be scattered; the inputs are h1, E1, k, MR, F or traffic"},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --scatter MR=15", 2,
     "--scatter: the coefficient of variation of MR must be a number from 0 to 2, not \"15\""},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --scatter k=0.2:uniform", 2,
     "--scatter: the distribution of k must be lognormal or normal, not \"uniform\""},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --scatter F=0.1 --scatter F=0.2:normal", 2,
     "--scatter gives F more than once"},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --samples 10000001", 2,
     "--samples takes a whole number from 1 to 10000000, not \"10000001\""},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --seed -1", 2,
     "--seed takes a whole number from 0 to 18446744073709551615, not \"-1\""},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --reliability 100.5", 2,
     "--reliability takes a number greater than 0 and at most 100, not \"100.5\""},
    {"reliability --spectrum s.csv --modulus-of-rupture 650 --solve-thickness", 2,
     "--solve-thickness does not apply to reliability"},
    {"fatigue --spectrum s.csv --modulus-of-rupture 650 --histogram h.svg", 2,
     "--histogram does not apply to fatigue"},
    {"report --scatter MR=0.1", 2, "--scatter does not apply to report"},
    {"batch in.csv --seed 3", 2, "--seed does not apply to batch"},
    {"plan --design d.kvx --metric", 2,
     "--metric does not apply with --design: the design file holds the units"},
    // Options where they apply.
    {"json --detailed", 0, ""},
    {"plate --mesh coarse --load single --tied-shoulder yes --shoulder-width 8 --output /dev/null", 0, ""},
    {"plate --mesh coarse --shoulder-width 8 --output /dev/null", 0,
     "korvanex-cli: warning: --shoulder-width applies to a tied shoulder only (--tied-shoulder yes)\n"},
    {"plan --metric --tied-shoulder yes --widened-lane yes --transverse-spacing 200", 0, ""},
    {"sweep --vary h1=20:24:3 --metric --tied-shoulder no --widened-lane no --transverse-spacing 200", 0, ""},
};

} // namespace

TEST_F(CliTest, AUsageErrorExitsWithTwoAndSaysWhatIsWrong) {
    for (const UsageCase& usage : usageCases) {
        SCOPED_TRACE(usage.arguments);
        const ToolRun ran = run(usage.arguments);
        EXPECT_EQ(ran.status, usage.status);
        if (usage.status == 2) {
            EXPECT_EQ(ran.out, "");
            EXPECT_EQ(ran.err,
                      std::string("korvanex-cli: ") + usage.message + "\nTry 'korvanex-cli --help'.\n");
        } else {
            EXPECT_EQ(ran.err, usage.message);
        }
    }
}

TEST_F(CliTest, HelpListsTheCommandsAndOptions) {
    const ToolRun help = run("-h");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(goldenDifference(KORVANEX_TEST_DATA "/cli/help.txt", help.out), "");
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
    EXPECT_TRUE(hasParts(
        table.out, {"   1  dual-single         18000.0        0.0           243.3    0.600         3.096E+04",
                    "unlimited      1.000E+09          0.00\n",
                    "\nTotal damage: 32.30 %\nRequired slab thickness h1: "}));

    EXPECT_EQ(run(common + " --csv --output " + (folder / "out.csv").string()).status, 0);
    const std::string csv = contentsOf(folder / "out.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "P,repetitions,status,stress,stress_ratio,allowable_repetitions,damage_percent");
    EXPECT_TRUE(hasParts(csv, {"\n5000,1E9,ok,"}));
    EXPECT_TRUE(csv.ends_with(",,0\n")) << csv; // unlimited: allowable empty, damage 0

    EXPECT_TRUE(
        hasParts(run(solving + " --json").out,
                 {"\"allowable_repetitions\": null, \"repetitions\": 1e+09, \"damage_percent\": 0}"}));
    const ToolRun metric = run("fatigue --metric --json --spectrum " + file("one.csv", "repetitions\n1\n") +
                               " --modulus-of-rupture 4478.5");
    // 4478.5 kPa / 6.89 = 650 psi.
    EXPECT_TRUE(hasParts(metric.out, {"\"modulus_of_rupture\": 650,", "\"required_h1_units\": \"cm\""}));
    EXPECT_EQ(run(common + " --stress edge").err, "korvanex-cli: --stress takes combined, loading or "
                                                  "edge-model, not \"edge\"\nTry 'korvanex-cli --help'.\n");
}

namespace {

// A command line whose design is saved, and the options of its output, which the design does not hold.
struct SavedDesign {
    std::string inputs;
    const char* outputs;
};

} // namespace

TEST_F(CliTest, ADesignSavedByACommandGivesItsOutputBackByteForByte) {
    const std::string example = KORVANEX_TEST_DATA "/cases/example.DEF";
    const std::string twoLayer = KORVANEX_TEST_DATA "/cases/metric-two-layer-corner.DEF";
    const std::string loads = KORVANEX_TEST_DATA "/../../docs/examples/traffic-loads.csv";
    const std::string trucks = KORVANEX_TEST_DATA "/../../docs/examples/truck-traffic.csv";
    const SavedDesign designs[] = {
        {"report " + twoLayer + " --tied-shoulder yes --widened-lane yes --transverse-spacing 70",
         " --detailed"},
        {"json --metric --widened-lane yes", ""},
        {"plan " + example + " --tied-shoulder yes", ""},
        {"fatigue --spectrum " + loads +
             " --modulus-of-rupture 650 --model power --c1 2.2 --stress loading " + "--target 80",
         " --solve-thickness"},
        {"fatigue " + example + " --spectrum " + trucks +
             " --modulus-of-rupture 650 --adtt 1000 --growth 3 --years 25 --directional 60 --lane 90",
         " --json --solve-thickness"},
        {"fatigue --metric --spectrum " + file("metric.csv", "P,per_1000_trucks\n,12\n120,1.5\n") +
             " --modulus-of-rupture 4480 --adtt 800 --growth 0 --years 30",
         " --csv"},
        {"reliability --spectrum " + loads +
             " --modulus-of-rupture 650 --scatter h1=0.04:normal --scatter MR=0.1 --samples 300 --seed 9 "
             "--reliability 80",
         " --json"},
    };
    const std::string first = (folder / "first.kvx").string(), second = (folder / "second.kvx").string();
    for (const SavedDesign& design : designs) {
        SCOPED_TRACE(design.inputs);
        const ToolRun saved = run(design.inputs + design.outputs + " --save-design " + first);
        ASSERT_EQ(saved.status, 0) << saved.err;
        const std::string command = design.inputs.substr(0, design.inputs.find(' '));
        const ToolRun read =
            run(command + " --design " + first + design.outputs + " --save-design " + second);
        EXPECT_EQ(read.status, 0);
        EXPECT_EQ(read.out, saved.out);
        EXPECT_EQ(read.err, saved.err);
        EXPECT_EQ(contentsOf(second), contentsOf(first));
    }
    // Sweep reads a design too.
    ASSERT_EQ(run(designs[0].inputs + " --save-design " + first).status, 0);
    EXPECT_EQ(run("sweep --design " + first + " --vary h1=20:30:3").out,
              run("sweep " + twoLayer +
                  " --tied-shoulder yes --widened-lane yes --transverse-spacing 70 "
                  "--vary h1=20:30:3")
                  .out);
}

TEST_F(CliTest, TruckTrafficGivesTheRepetitionsAndOptionsOverrideTheDesign) {
    // 0.19 axle groups per 1,000 trucks, 1,000 trucks a day, 3 % growth over 25 years, half in the design
    // direction: G = (1.03^25 - 1) / 0.03 = 36.459, n = 0.19 x 365 x 36.459 x 0.5 = 1,264.
    const std::string trucks = file("trucks.csv", "P,per_1000_trucks\n30000,0.19\n");
    const std::string design = (folder / "design.kvx").string();
    const ToolRun table =
        run("fatigue --spectrum " + trucks + " --modulus-of-rupture 650 --adtt 1000 --growth 3 " +
            "--years 25 --tied-shoulder yes --save-design " + design);
    EXPECT_TRUE(
        hasParts(table.out, {"Traffic: ADTT 1000   Growth: 3.00 %   Design life: 25 years   Directional: "
                             "50.0 %   Lane: 100.0 %   Growth factor G: 36.459\n",
                             "1.264E+03"}));
    const std::string csv = run("fatigue --design " + design + " --csv").out;
    EXPECT_TRUE(csv.starts_with("P,per_1000_trucks,growth_factor,repetitions,status,")) << csv;
    EXPECT_TRUE(hasParts(csv, {"\n30000,0.19,36.459264", ",1264.22"}));
    EXPECT_TRUE(
        hasParts(run("fatigue --design " + design + " --json").out,
                 {"\"traffic\": {\n    \"adtt\": 1000,\n    \"growth_percent\": 3,\n    "
                  "\"design_life_years\": 25,\n    \"directional_percent\": 50,\n    \"lane_percent\": "
                  "100\n  },\n  \"growth_factor\": 36.459264",
                  "\"repetitions\": 1264.22"}));
    EXPECT_TRUE(hasParts(run("fatigue --design " + design + " --adtt 2000").out, {"2.528E+03"}));
    EXPECT_TRUE(hasParts(run("report --design " + design).out, {"Tied Concrete Shoulder : Yes\n"}));
    EXPECT_TRUE(hasParts(run("report --design " + design + " --tied-shoulder no").out,
                         {"Tied Concrete Shoulder : No\n"}));
    // A spectrum of repetitions replaces the design's, whose traffic it has no use for.
    const std::string resaved = (folder / "resaved.kvx").string();
    const ToolRun repetitions = run("fatigue --design " + design + " --spectrum " +
                                    file("reps.csv", "repetitions\n1E4\n") + " --save-design " + resaved);
    EXPECT_EQ(repetitions.status, 0);
    EXPECT_EQ(repetitions.out.find("Traffic:"), std::string::npos);
    EXPECT_EQ(contentsOf(resaved).find("traffic"), std::string::npos);

    const std::string caseOnly = (folder / "case.kvx").string();
    ASSERT_EQ(run("json --save-design " + caseOnly).status, 0);
    const std::string refusals[][2] = {
        {"fatigue --design " + caseOnly, "fatigue needs --spectrum FILE.csv"},
        {"fatigue --design " + caseOnly + " --spectrum " + trucks, "fatigue needs --modulus-of-rupture MR"},
        {"reliability --design " + caseOnly + " --spectrum " + trucks,
         "reliability needs --modulus-of-rupture MR"},
        {"fatigue --spectrum " + trucks + " --modulus-of-rupture 650",
         "the per_1000_trucks column needs --adtt, --growth and --years"},
        {"fatigue --spectrum " + trucks + " --modulus-of-rupture 650 --adtt 900 --lane 80",
         "the per_1000_trucks column needs --growth and --years"},
        {"fatigue --design " + design + " --years 2.5",
         "--years takes a whole number from 1 to 100, not \"2.5\""},
        {"fatigue --design " + design + " --adtt 0", "--adtt takes a number greater than 0, not \"0\""},
        {"fatigue --design " + design + " --growth -1", "--growth takes a number from 0 to 100, not \"-1\""},
        {"fatigue --design " + design + " --directional 101",
         "--directional takes a number greater than 0 and at most 100, not \"101\""},
        {"fatigue --spectrum " + folder.string() + "/reps.csv --modulus-of-rupture 650 --lane 90",
         "--lane applies to a spectrum with a per_1000_trucks column, not repetitions"},
    };
    for (const auto& [arguments, message] : refusals) {
        SCOPED_TRACE(arguments);
        const ToolRun refused = run(arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, "korvanex-cli: " + message + "\nTry 'korvanex-cli --help'.\n");
    }
    const std::string both = file("both.csv", "repetitions,per_1000_trucks\n1,1\n");
    EXPECT_EQ(run("fatigue --spectrum " + both + " --modulus-of-rupture 650").err,
              "korvanex-cli: " + both +
                  ": a spectrum gives either repetitions or per_1000_trucks, not both\n");
    const std::string version2 = file("version2.kvx", "{\"format\": \"korvanex-design\", \"version\": 2}");
    const ToolRun refused = run("report --design " + version2);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "korvanex-cli: " + version2 + ": version must be 1, not 2\n");
}

// With curling at the edge the three stresses differ: each choice takes the one the report names.
TEST_F(CliTest, EachStressChoiceTakesItsStressOnACaseWithCurling) {
    const std::string curled = caseFile("curled.DEF", {{29, "20"}});
    const std::string report = run("report " + curled).out;
    const struct {
        const char* choice;
        const char* reportLine;
    } choices[] = {{"combined", "Combined Loading & Curling Stress (psi) = "},
                   {"loading", "Loading Stress Only (psi) = "},
                   {"edge-model", "Combined Slab Edge Stress (Load & Curl), psi = "}};
    std::vector<std::string> stresses;
    for (const auto& [choice, reportLine] : choices) {
        SCOPED_TRACE(choice);
        const std::size_t at = report.find(reportLine) + std::string(reportLine).size();
        const std::string stress = report.substr(at, report.find('\n', at) - at);
        const ToolRun table = run("fatigue " + curled + " --spectrum " + file("one.csv", "repetitions\n1\n") +
                                  " --modulus-of-rupture 650 --stress " + choice);
        EXPECT_EQ(table.status, 0);
        EXPECT_TRUE(hasParts(table.out,
                             {"   1  dual-single         18000.0       20.0           " + stress + "    "}));
        stresses.push_back(stress);
    }
    EXPECT_EQ(std::set<std::string>(stresses.begin(), stresses.end()).size(), 3u) << "the three must differ";
}

// The plate model beside the analysis: the analysis's numbers as json gives them, the shoulder's width
// in metres (2 m = 78.740 in = 200.0 cm) beside the metric slab of 4.57 m x 3.66 m (179.921 in x
// 144.094 in), and a fault.
TEST_F(CliTest, PlateSetsThePlateModelBesideTheAnalysisAsTextJsonAndPicture) {
    const ToolRun json = run("plate --mesh coarse --json");
    EXPECT_EQ(json.status, 0);
    const std::string analysis = run("json").out;
    const std::string loading = analysis.substr(analysis.find("\"LoadingStressOnly\": ") + 21, 9);
    EXPECT_TRUE(hasParts(
        json.out, {"\"analysis\": {\n    \"loading_stress\": " + loading + ",\n    \"curling_stress\": 0,",
                   "\"loading_stress_face\": \"bottom\"", "\"clamped\": [\n    \"ADT\"\n  ]\n}"}));

    const std::string picture = (folder / "plate.svg").string();
    const ToolRun text =
        run("plate --metric --tied-shoulder yes --shoulder-width 2 --mesh coarse --svg " + picture);
    EXPECT_EQ(text.status, 0);
    EXPECT_TRUE(
        hasParts(text.out, {"\nTied shoulder 200.0 cm wide\nMesh: coarse, ",
                            "\n  Foundation reaction: 80.1 kN against a load of 80.1 kN on the plates\n"}));
    const std::string svg = contentsOf(picture);
    EXPECT_TRUE(hasParts(svg, {"<rect class=\"shoulder tied\" x=\"0.000\" y=\"144.094\" width=\"179.921\" "
                               "height=\"78.740\""}));
    EXPECT_EQ(svg.find("nan"), std::string::npos);

    const ToolRun faulted = run("plate " + caseFile("k0.DEF", {{KLine, "0"}}));
    EXPECT_EQ(faulted.status, 1);
    EXPECT_TRUE(hasParts(faulted.err, {"floating-point fault"}));
}

TEST_F(CliTest, ReliabilityIsTheSameForAnyJobsInEveryForm) {
    const std::string command = "reliability --spectrum " +
                                file("loads.csv", "P,F,repetitions\n,,1E5\n26000,10,4E4\n") +
                                " --modulus-of-rupture 600 --scatter h1=0.05:normal --scatter MR=0.1 "
                                "--scatter traffic=0.3 --scatter F=0.5 --samples 400 --reliability 90";
    for (const char* form : {"", " --csv", " --json"}) {
        SCOPED_TRACE(form);
        const ToolRun one = run(command + form + " --jobs 1");
        EXPECT_EQ(one.status, 0);
        EXPECT_EQ(one.err, "");
        EXPECT_EQ(run(command + form + " --jobs 2").out, one.out);
    }
    EXPECT_TRUE(hasParts(run(command + " --json").out,
                         {"\"samples\": 400,\n", "\"seed\": 1,\n", "\"faulted_samples\": 0,\n",
                          "\"required_h1_units\": \"in\""}));
    EXPECT_TRUE(
        run(command + " --csv")
            .out.starts_with("sample,h1_factor,MR_factor,F_factor,traffic_factor,status,damage_percent\n1,"));
    const std::string histogram = (folder / "damage.svg").string();
    const ToolRun drawn = run(command + " --histogram " + histogram);
    EXPECT_EQ(drawn.out, run(command).out);
    EXPECT_TRUE(contentsOf(histogram).starts_with("<svg ")) << drawn.err;

    const std::string trike = file("trike.csv", "gear,repetitions\n,1\ntrike,1\n");
    const ToolRun refused = run("reliability --spectrum " + trike + " --modulus-of-rupture 650");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "korvanex-cli: no sample can be computed: row 2: unknown gear \"trike\"\n");
}
