// The command-line tool as a user runs it: output, exit status and messages.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readAll(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("korvanex-cli-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    CliRun run(const std::string& arguments) {
        const auto errPath = folder / "stderr.txt";
        const std::string command = std::string(KORVANEX_CLI) + " " + arguments + " 2>" + errPath.string();
        CliRun result;
        FILE* pipe = ::popen(command.c_str(), "r");
        std::array<char, 4096> buffer{};
        std::size_t count = 0;
        while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
            result.out.append(buffer.data(), count);
        }
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = readAll(errPath);
        return result;
    }

    // The example case file with the wheels moved to the interior, a single-single gear and the given
    // subgrade modulus line.
    std::filesystem::path writeCase(const std::string& name, const std::string& kLine) {
        std::string text = readAll(std::string(KORVANEX_TEST_DATA) + "/cases/example.DEF");
        text.replace(text.find("Edge Stress Analysis"), 20, "Interior Stress Analysis");
        text.replace(text.find("Dual-Single"), 11, "Single-Single");
        text.replace(text.find("\r\n130\r\n"), 7, "\r\n" + kLine + "\r\n");
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::filesystem::path folder;
};

std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

} // namespace

TEST_F(CliTest, ReportOfTheDefaultCasePrintsTheReportFileWithPlainLineEnds) {
    const CliRun printed = run("report");
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.err, "");
    const std::string golden = readAll(std::string(KORVANEX_TEST_DATA) + "/reports/default-english.PRN");
    EXPECT_EQ(printed.out, withoutCarriageReturns(golden));

    EXPECT_EQ(run("report --metric").out, withoutCarriageReturns(readAll(std::string(KORVANEX_TEST_DATA) +
                                                                         "/reports/default-metric.PRN")));

    const auto output = folder / "default.PRN";
    const CliRun written = run("report --output " + output.string());
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(readAll(output), golden);
}

TEST_F(CliTest, SettingsThatTheCaseFileDoesNotHold) {
    const std::string tied = run("report --tied-shoulder yes --widened-lane yes --transverse-spacing 70").out;
    EXPECT_NE(tied.find("Tied Concrete Shoulder : Yes\n"), std::string::npos);
    EXPECT_NE(tied.find("Widened Outer Lane : Yes\n"), std::string::npos);
    EXPECT_NE(tied.find("Transverse Wheel Spacing, d (in) = 70.00\n"), std::string::npos);
    EXPECT_NE(run("report --detailed").out.find("Adjustment Factors"), std::string::npos);
}

TEST_F(CliTest, JsonHoldsTheOptionsAndEveryResult) {
    const CliRun edge = run("json");
    EXPECT_EQ(edge.status, 0);
    EXPECT_NE(edge.out.find("\"gear\": \"Dual-Single\""), std::string::npos);
    EXPECT_NE(edge.out.find("\"MdTopLayerStress\": "), std::string::npos);

    const CliRun interior = run("json " + writeCase("interior.DEF", "130").string());
    EXPECT_EQ(interior.status, 0);
    EXPECT_NE(interior.out.find("\"location\": \"Interior\""), std::string::npos);
    EXPECT_EQ(interior.out.find("\"MdTopLayerStress\""), std::string::npos); // the edge model did not run
}

TEST_F(CliTest, AFaultExitsWithOneAndSaysWhichRoutine) {
    const CliRun faulted = run("report " + writeCase("k0.DEF", "0").string());
    EXPECT_EQ(faulted.status, 1);
    EXPECT_EQ(faulted.out, "");
    EXPECT_NE(faulted.err.find("floating-point fault in WestergaardEdge"), std::string::npos);
    EXPECT_NE(faulted.err.find("degenerate"), std::string::npos);
}

TEST_F(CliTest, BadUsageAndUnreadableFilesExitWithTwo) {
    for (const std::string arguments : {"", "frobnicate", "report --tied-shoulder maybe", "report --output",
                                        "report --bogus", "report a.DEF b.DEF"}) {
        SCOPED_TRACE(arguments);
        const CliRun bad = run(arguments);
        EXPECT_EQ(bad.status, 2);
        EXPECT_EQ(bad.out, "");
        EXPECT_NE(bad.err, "");
    }
    std::ofstream(folder / "wrong.DEF") << "****ENG****\r\n\r\nnot a case\r\n";
    const CliRun wrong = run("report " + (folder / "wrong.DEF").string());
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("Incorrect Input File!"), std::string::npos);

    EXPECT_EQ(run("--help").status, 0);
}

TEST_F(CliTest, FatigueWritesTheTableCsvAndJson) {
    // On the default case the combined stress is 243.344376 psi: MR = 405.574 puts it at SR = 0.6,
    // N = 10^4.4908 = 30,960, so 1E4 passes do 32.30 %; 5,000 lbs stays below SR 0.45, unlimited.
    std::ofstream(folder / "spectrum.csv") << "P,repetitions\n,1E4\n5000,1E9\n";
    const std::string common = "fatigue --spectrum " + (folder / "spectrum.csv").string() +
                               " --modulus-of-rupture 405.574 --solve-thickness";
    const CliRun table = run(common);
    EXPECT_EQ(table.status, 0);
    EXPECT_NE(table.out.find(
                  "   1  dual-single         18000.0        0.0           243.3    0.600         3.096E+04"),
              std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("unlimited      1.000E+09          0.00\n"), std::string::npos);
    EXPECT_NE(table.out.find("\nTotal damage: 32.30 %\nRequired slab thickness h1: "), std::string::npos);

    const CliRun csv =
        run(common.substr(0, common.size() - 18) + " --csv --output " + (folder / "out.csv").string());
    EXPECT_EQ(csv.status, 0);
    const std::string written = readAll(folder / "out.csv");
    EXPECT_EQ(written.substr(0, written.find('\n')),
              "P,repetitions,status,stress,stress_ratio,allowable_repetitions,damage_percent");
    EXPECT_NE(written.find("\n5000,1E9,ok,"), std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 3), ",0\n"); // unlimited: allowable empty, damage 0
    EXPECT_NE(written.find(",,0\n"), std::string::npos);

    const CliRun json = run(common + " --json");
    EXPECT_NE(
        json.out.find("\"allowable_repetitions\": null, \"repetitions\": 1e+09, \"damage_percent\": 0}"),
        std::string::npos)
        << json.out;
    std::ofstream(folder / "one.csv") << "repetitions\n1\n";
    const CliRun metric = run("fatigue --metric --json --spectrum " + (folder / "one.csv").string() +
                              " --modulus-of-rupture 4478.5");
    EXPECT_NE(metric.out.find("\"modulus_of_rupture\": 650,"), std::string::npos)
        << metric.out; // 4478.5 / 6.89
    EXPECT_NE(metric.out.find("\"required_h1_units\": \"cm\""), std::string::npos);

    for (const std::string bad : {" --model wrong", " --c1 3", " --csv --json", " --target 0"}) {
        EXPECT_EQ(run(common + bad).status, 2) << bad;
    }
    EXPECT_EQ(run("report --solve-thickness").err.find("--solve-thickness does not apply to report"), 14u);
}
