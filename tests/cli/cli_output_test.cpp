// SPDX-License-Identifier: Apache-2.0
// The command-line tool's output and input rules: standard output checked, --output on FIFOs and
// devices, and each odd input a user may give, the dialogs' input check among them.

#include "cli_run.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>

using namespace korvanex;

namespace fs = std::filesystem;

using CliOutputTest = CliTest;

TEST_F(CliOutputTest, AFailedWriteToStandardOutputExitsWithTwoAndSaysWhy) {
    int closedPipe[2];
    ASSERT_EQ(::pipe(closedPipe), 0);
    ::close(closedPipe[0]);
    const int full = ::open("/dev/full", O_WRONLY);
    const struct {
        int out;
        const char* reason;
    } outputs[] = {
        {full, "No space left on device"}, {closedPipe[1], "Broken pipe"}, {-1, "Bad file descriptor"}};
    const char* const commands[] = {"report", "json", "--help", "sweep --vary h1=6:8:3"};
    for (const auto& output : outputs) {
        for (const auto& command : commands) {
            SCOPED_TRACE(std::string(command) + " " + output.reason);
            const ToolRun failed = finish(start(command, output.out));
            EXPECT_EQ(failed.status, 2);
            EXPECT_EQ(failed.err, std::string("korvanex-cli: standard output cannot be written: ") +
                                      output.reason + "\n");
        }
    }
    ::close(full);
    ::close(closedPipe[1]);
}

TEST_F(CliOutputTest, AFifoAndADeviceAreWrittenInPlace) {
    const fs::path fifo = folder / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::string received;
    std::thread reader([&] { received = contentsOf(fifo); });
    EXPECT_EQ(run("json --output " + fifo.string()).status, 0);
    reader.join();
    EXPECT_EQ(received, run("json").out);
    EXPECT_TRUE(fs::is_fifo(fifo));

    const fs::path device = folder / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
        GTEST_SKIP() << "no device node can be made here";
    }
    EXPECT_EQ(run("report --output " + device.string()).status, 0);
    EXPECT_TRUE(fs::is_character_file(device));
}

namespace {

// How a reproduction runs the tool: as it stands, with SPECTRUM as its standard input (a pipe), with
// its standard output a pipe that the test reads, under a file-size limit of 64 KiB (ulimit -f), or
// ended by a signal once the temporary of OUT exists.
enum class Launch { Plain, SpectrumOnStdin, IntoPipe, FileSizeLimit, Signal };
using enum Launch;

// What becomes of OUT: nothing is asked of it, it is written completely (ending as `shown` does), it
// is absent (no file and no temporary), or it keeps the text it had ("keep"), with no temporary.
enum class Output { None, Complete, Absent, Kept };
using enum Output;

struct Reproduction {
    const char* what;
    const char* command; // CASE, SPECTRUM, BIG and OUT stand for files of the test's folder
    CaseLines caseLines; // CASE: the example case with these lines
    const char* spectrum;
    int status;        // minus the signal that ended the tool
    const char* err;   // standard error, the test's folder written FOLDER
    const char* shown; // what standard output (or OUT, when written) holds
    Output output = None;
    Launch launch = Plain;
    int signal = 0;
};

#define USAGE(message) "korvanex-cli: " message "\nTry 'korvanex-cli --help'.\n"
#define FATIGUE "fatigue --spectrum SPECTRUM --modulus-of-rupture "
#define WARNING "korvanex-cli: warning: "

// clang-format off
const Reproduction reproductions[] = {
    // The dialogs' input check: a refused field stops the command, one outside its range is warned of.
    {"a negative slab length", "report CASE", {{22, "-15"}}, "", 2, "korvanex-cli: L is an invalid number; please try again!\n", ""},
    {"a slab thinner than usual", "json CASE", {{16, "3"}}, "", 0, WARNING "h1 is not within the typical data range( 4,  20)\n",
     "\"CombinedStress\""},
    {"a top colder than the bottom", "json CASE", {{29, "-15"}}, "", 0, "", "\"CombinedStress\""},
    {"a missing case file", "report FOLDER/missing.DEF", {}, "", 2,
     "korvanex-cli: FOLDER/missing.DEF cannot be read: No such file or directory\n", ""},
    // Case-file words: trailing blanks and letter case are taken, another word is refused.
    {"a gear word with a trailing blank", "json CASE", {{7, "Dual-Tandem "}}, "", 0, "", "\"gear\": \"Dual-Tandem\""},
    {"option words in lower case", "json CASE", {{5, "corner stress analysis"}, {7, "dual-tandem"}, {14, "twolayer bond"}},
     "", 0, "", "\"location\": \"Corner\",\n  \"gear\": \"Dual-Tandem\",\n  \"layer\": \"Two Layer Bonded\""},
    {"a misspelt gear word, with a terminal escape", "report CASE", {{7, "Dual-Tandm\x1B[2J"}}, "", 2,
     "korvanex-cli: FOLDER/case.DEF: line 7: unknown gear \"Dual-Tandm\\x1B[2J\"\n", ""},
    {"an unknown unit marker", "report CASE", {{1, "****ENGLISH****"}}, "", 2,
     "korvanex-cli: FOLDER/case.DEF: line 1: unknown unit marker \"****ENGLISH****\"\n", ""},
    {"a unit marker after a byte-order mark, with trailing blanks", "json CASE", {{1, "\xEF\xBB\xBF****ENG**** \t "}},
     "", 0, "", "\"units\": \"English\""},
    {"a third line that is not the header", "report CASE", {{3, "not a case"}}, "", 2,
     "korvanex-cli: FOLDER/case.DEF: Incorrect Input File!\n", ""},
    {"--metric with an English case file", "report CASE --metric", {}, "", 0,
     WARNING "--metric is overridden: FOLDER/case.DEF sets English units\n", "Stress Only (psi) = 243.3\n"},
    // Power-model constants.
    {"C1 0 and C2 1e308", FATIGUE "650 --model power --c1 0 --c2 1e308", {}, "repetitions\n1\n", 2,
     USAGE("--c1 takes a number greater than 0, not \"0\""), ""},
    {"a NaN constant", FATIGUE "650 --model power --c2 NaN", {}, "repetitions\n1\n", 2,
     USAGE("--c2 takes a number greater than 0, not \"NaN\""), ""},
    {"an infinite constant", FATIGUE "650 --model power --c5 -inf", {}, "repetitions\n1\n", 2,
     USAGE("--c5 takes a number less than 0, not \"-inf\""), ""},
    {"C4 below 0", FATIGUE "650 --model power --c4 -1", {}, "repetitions\n1\n", 2,
     USAGE("--c4 takes a number greater than 0, not \"-1\""), ""},
    // Huge repetitions: 0 damage where N is unlimited, words where the damage leaves the double range.
    // SR = 243.344 / 40 = 6.0836: log10 N = 11.737 - 12.077 x 6.0836 = -61.735.
    {"huge repetitions under unlimited N", FATIGUE "650", {}, "repetitions\n1e308\n", 0, "",
     "unlimited     1.000E+308          0.00\n\nTotal damage: 0.00 %\n"},
    {"huge repetitions that do damage", FATIGUE "40 --json", {}, "repetitions\n1e308\n", 0,
     WARNING "the modulus of rupture 40 psi is outside the usual range for concrete, 400 to 1000 psi\n" WARNING
             "row 1: SR 6.084 is above 1: the stress exceeds the modulus of rupture; is MR in psi?\n",
     "\"allowable_repetitions\": 1.841829369369142e-62, \"repetitions\": 1e+308, \"damage_percent\": null, "
     "\"damage_percent_text\": \"> 1E+300\"}\n  ],\n  \"total_damage_percent\": null,\n"
     "  \"total_damage_percent_text\": \"> 1E+300\","},
    // A modulus of rupture in MPa where kPa is meant, read as psi.
    {"a modulus of rupture in the wrong unit", FATIGUE "4.482", {}, "repetitions\n1E4\n", 0,
     WARNING "the modulus of rupture 4.482 psi is outside the usual range for concrete, 400 to 1000 psi\n" WARNING
             "row 1: SR 54.294 is above 1: the stress exceeds the modulus of rupture; is MR in psi?\n",
     "54.294          < 1E-300      1.000E+04      > 1E+300\n\nTotal damage: > 1E+300 %\n"},
    {"a spectrum without a group", FATIGUE "650 --solve-thickness", {}, "repetitions\n", 2,
     "korvanex-cli: FOLDER/spectrum.csv: there is no load group: no row follows the header\n", ""},
    {"every group an error", FATIGUE "650 --output OUT", {}, "gear,repetitions\ntrike,1\n,0\n", 1,
     "korvanex-cli: no load group could be computed\n", "Total damage: not known: 2 groups were not computed\n",
     Complete},
    {"--csv with --solve-thickness", FATIGUE "650 --csv --solve-thickness", {}, "repetitions\n1\n", 2,
     USAGE("--csv and --solve-thickness cannot be given together: the CSV holds the load groups only"), ""},
    // 8600 passes: 98.996 % at 6.75 in, above 100 % at 6.74 and at 6.76 (the solver's own test).
    {"an h1 column without a value", FATIGUE "650 --solve-thickness", {}, "h1,repetitions\n,8600\n", 0, "",
     "Total damage: 0.00 %\nRequired slab thickness h1: 6.75 in\n"},
    {"terminal escapes in a cell", FATIGUE "650", {}, "gear,repetitions\n\x1B[2J,1\ndual-tandem,1\n", 0, "",
     "   1  error: unknown gear \"\\x1B[2J\"\n"},
    {"a quoted cell over two lines before a faulty row", FATIGUE "650", {},
     "gear,P,repetitions\n\"dual-\nsingle\",1,1\nx\"y,1,1\n", 2,
     "korvanex-cli: FOLDER/spectrum.csv: not a CSV file: line 4: a double quote inside a cell that does not start "
     "with one\n",
     ""},
    {"a spectrum from a pipe", "fatigue --spectrum /dev/stdin --modulus-of-rupture 650", {}, "P,repetitions\n,1E4\n",
     0, "", "unlimited      1.000E+04          0.00\n", None, SpectrumOnStdin},
    // The writer.
    {"an empty --output", "report --output  --metric", {}, "", 2, USAGE("--output takes a file name, not \"\""), ""},
    {"SIGHUP during a long write", "batch BIG --output OUT", {}, "", -SIGHUP, "", "", Kept, Signal, SIGHUP},
    {"SIGINT during a long write", "batch BIG --output OUT", {}, "", -SIGINT, "", "", Kept, Signal, SIGINT},
    {"SIGQUIT during a long write", "batch BIG --output OUT", {}, "", -SIGQUIT, "", "", Kept, Signal, SIGQUIT},
    {"SIGUSR1 during a long write", "batch BIG --output OUT", {}, "", -SIGUSR1, "", "", Kept, Signal, SIGUSR1},
    {"SIGALRM during a long write", "batch BIG --output OUT", {}, "", -SIGALRM, "", "", Kept, Signal, SIGALRM},
    {"ulimit -f", "batch BIG --output OUT", {}, "", 2, "korvanex-cli: FOLDER/out.csv cannot be written: File too large\n",
     "", Absent, FileSizeLimit},
    {"ulimit -f on standard output", "batch BIG", {}, "", 2, "korvanex-cli: standard output cannot be written: File too large\n",
     "", None, FileSizeLimit},
    {"/dev/stdout into a pipe", "json --output /dev/stdout", {}, "", 0, "", "\"CombinedStress\": 243.34438\n  }\n}\n",
     None, IntoPipe},
    {"/dev/fd/1 into a pipe", "plan --output /dev/fd/1", {}, "", 0, "", "</svg>\n", None, IntoPipe},
    // What plan and sweep say.
    {"plan on h1 = 1e400", "plan CASE", {{16, "1e400"}}, "", 0,
     WARNING "h1 is not within the typical data range( 4,  20)\n",
     ">The slab cannot be drawn: a value is beyond single precision (reading h1).</text>"},
    {"a sweep refused at its first point", "sweep --vary h1=-5:10:4", {}, "", 0, "",
     ",error: h1 is an invalid number; please try again!,"},
    {"a sweep refused at its last point", "sweep --vary h1=10:-5:4", {}, "", 0, "",
     ",error: h1 is an invalid number; please try again!,"},
};
// clang-format on

#undef USAGE
#undef FATIGUE
#undef WARNING

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

} // namespace

// Each input a careless or hostile user may give, through the built tool: the exit status, the
// messages, and a file written completely or not at all. No output shows a raw control character.
TEST_F(CliOutputTest, EveryOddInputIsNamedAndEveryFileWrittenWholeOrNotAtAll) {
    const fs::path out = folder / "out.csv";
    std::string big = "h1\n";
    for (int row = 0; row < 2000000; ++row) {
        big += std::to_string(4 + row % 16) + "\n";
    }
    const std::string bigPath = file("big.csv", big);
    const auto temporaryExists = [&] {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path().filename().string().starts_with(".out.csv.")) {
                return true;
            }
        }
        return false;
    };
    for (const Reproduction& row : reproductions) {
        SCOPED_TRACE(row.what);
        fs::remove(out);
        if (row.output == Kept) {
            file("out.csv", "keep");
        }
        std::string command = replaced(row.command, "CASE", caseFile("case.DEF", row.caseLines));
        command = replaced(command, "SPECTRUM", file("spectrum.csv", row.spectrum));
        command = replaced(replaced(command, "BIG", bigPath), "OUT", out.string());
        command = replaced(command, "FOLDER", folder.string());

        ToolRun ran;
        int pipe[2];
        ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
        if (row.launch == SpectrumOnStdin) {
            const std::size_t length = std::strlen(row.spectrum);
            EXPECT_EQ(::write(pipe[1], row.spectrum, length), static_cast<ssize_t>(length));
            ::close(pipe[1]);
            ran = run(command, pipe[0]);
        } else if (row.launch == IntoPipe) {
            const pid_t tool = start(command, pipe[1]);
            ::close(pipe[1]);
            const std::string read = contentsOf("/proc/self/fd/" + std::to_string(pipe[0]));
            ran = finish(tool);
            ran.out = read;
        } else if (row.launch == FileSizeLimit) {
            const int out =
                ::open((folder / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            ran = finish(start(command, out, -1, 64 * 1024));
            ::close(out);
        } else if (row.launch == Signal) {
            const pid_t tool = start(command, -1);
            for (int waited = 0; waited < 10000 && !temporaryExists(); ++waited) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            ::kill(tool, row.signal);
            ran = finish(tool);
        } else {
            ran = run(command);
        }
        ::close(pipe[0]);
        ::close(pipe[1]);

        EXPECT_EQ(ran.status, row.status);
        EXPECT_EQ(ran.err, replaced(row.err, "FOLDER", folder.string()));
        const std::string written = row.output == Complete ? contentsOf(out) : ran.out;
        EXPECT_NE(written.find(row.shown), std::string::npos) << written;
        EXPECT_TRUE(row.output != Complete || written.ends_with(row.shown)) << written;
        EXPECT_EQ(written.find('\x1B') + ran.err.find('\x1B'), 2 * std::string::npos);
        EXPECT_TRUE(row.status != 2 || ran.out.empty());
        EXPECT_EQ(fs::exists(out), row.output == Complete || row.output == Kept);
        EXPECT_TRUE(row.output != Kept || contentsOf(out) == "keep");
        EXPECT_FALSE(temporaryExists());
    }
}
