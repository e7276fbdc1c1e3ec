// SPDX-License-Identifier: Apache-2.0
// The command-line tool's output and input rules: standard output checked, --output on FIFOs,
// devices and interrupted batches, the case file's first line, and the dialogs' input check.

#include "cli_run.h"

#include <chrono>
#include <csignal>
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

TEST_F(CliOutputTest, SigintDuringALongBatchLeavesTheTargetAndNoTemporary) {
    std::string rows = "h1\n";
    for (int row = 0; row < 2000000; ++row) {
        rows += std::to_string(4 + row % 16) + "\n";
    }
    const pid_t batch = start("batch " + file("big.csv", rows) + " --output " + file("out.csv", "keep"), -1);
    const auto temporaryExists = [&] {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (entry.path().filename().string().starts_with(".out.csv.")) {
                return true;
            }
        }
        return false;
    };
    for (int waited = 0; waited < 10000 && !temporaryExists(); ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ::kill(batch, SIGINT);
    EXPECT_EQ(finish(batch).status, -SIGINT);
    EXPECT_FALSE(temporaryExists());
    EXPECT_EQ(contentsOf(folder / "out.csv"), "keep");
}

TEST_F(CliOutputTest, TheUnitMarkerReadsPastAByteOrderMarkAndTrailingBlanks) {
    const ToolRun plain = run("json " + caseFile("si.DEF", {{1, "****SI****"}}));
    const ToolRun marked = run("json " + caseFile("bom.DEF", {{1, "\xEF\xBB\xBF****SI**** \t "}}));
    EXPECT_EQ(marked.status, 0);
    EXPECT_NE(plain.out.find("\"units\": \"Metric\""), std::string::npos);
    EXPECT_EQ(marked.out, plain.out);
}

TEST_F(CliOutputTest, TheDialogsInputCheckRefusesWarnsOrComputes) {
    const ToolRun negativeL = run("report " + caseFile("l.DEF", {{22, "-15"}}));
    EXPECT_EQ(negativeL.status, 2);
    EXPECT_EQ(negativeL.out, "");
    EXPECT_EQ(negativeL.err, "korvanex-cli: L is an invalid number; please try again!\n");

    const ToolRun thinSlab = run("json " + caseFile("h1.DEF", {{16, "3"}}));
    EXPECT_EQ(thinSlab.status, 0);
    EXPECT_NE(thinSlab.out.find("\"CombinedStress\""), std::string::npos);
    EXPECT_EQ(thinSlab.err, "korvanex-cli: warning: h1 is not within the typical data range( 4,  20)\n");

    const ToolRun coldTop = run("json " + caseFile("f.DEF", {{29, "-15"}}));
    EXPECT_EQ(coldTop.status, 0);
    EXPECT_EQ(coldTop.err, "");

    const ToolRun missing = run("report " + (folder / "missing.DEF").string());
    EXPECT_EQ(missing.err, "korvanex-cli: " + (folder / "missing.DEF").string() +
                               " cannot be read: No such file or directory\n");
}
