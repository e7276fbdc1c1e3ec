// SPDX-License-Identifier: Apache-2.0
// A batch on several threads writes what it writes on one: the same bytes in the input's order, the
// same stop where the input is not CSV, and an early stop when the output fails.

#include "studies/batch.h"

#include "formats/batch_lines.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

namespace korvanex {
namespace {

// Rows enough for a dozen blocks, each with its own temperature differential, cycling through
// computed rows, a fault (k = 0), a refused field, an unknown gear, a row of the wrong width, a
// warning (h1 above its typical range) in a quoted cell, and a row of defaults.
std::string mixedBatch(int rows) {
    const char* const kinds[] = {
        "metric,edge,dual-tandem,bonded,25.4,54.2,",
        "english,edge,dual-single,one,9,0,",
        "english,interior,single-tridem,unbonded,abc,130,",
        "english,edge,xyz,one,9,130,",
        "english,edge,",
        "english,corner,\"dual-single\",one,30,130,",
        ",interior,,,,,",
    };
    std::string csv = "units,location,gear,layer,h1,k,F\n";
    for (int row = 0; row < rows; ++row) {
        csv += kinds[row % std::size(kinds)] + std::to_string(row % 41 - 20) + "\n";
    }
    return csv;
}

struct BatchRun {
    std::string error;
    std::string text;
};

BatchRun batch(const std::string& csv, unsigned jobs) {
    std::istringstream in(csv);
    std::ostringstream out;
    BatchRun run;
    run.error = runBatch(in, out, BatchLines(), jobs);
    run.text = out.str();
    return run;
}

// An output that takes `limit` bytes, then fails.
class FullOutput : public std::streambuf {
  public:
    explicit FullOutput(std::size_t limit) : limit_(limit) {}
    std::string written;

  protected:
    int_type overflow(int_type c) override {
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        const std::size_t taken = std::min(limit_ - written.size(), static_cast<std::size_t>(count));
        written.append(bytes, taken);
        return static_cast<std::streamsize>(taken);
    }

  private:
    std::size_t limit_;
};

TEST(BatchJobs, FourJobsWriteTheBytesOfOneOnAMixedFile) {
    const std::string csv = mixedBatch(3000);
    const BatchRun one = batch(csv, 1);
    EXPECT_EQ(one.error, "");
    for (const char* status :
         {",ok,", ",fault: WestergaardEdge,", ",error: h1 is an invalid number",
          ",\"error: unknown gear \"\"xyz\"\"\"", ",error: 3 cells where the header has 7",
          "h1 is not within the typical data range"}) {
        EXPECT_NE(one.text.find(status), std::string::npos) << status;
    }
    EXPECT_EQ(std::count(one.text.begin(), one.text.end(), '\n'), 3001);
    const BatchRun four = batch(csv, 4);
    EXPECT_EQ(four.error, "");
    EXPECT_TRUE(four.text == one.text);
}

TEST(BatchJobs, InputThatStopsBeingCsvStopsEveryJobCountAfterTheSameRows) {
    const std::string csv = mixedBatch(1000) + std::string("9,\0\n", 4) + mixedBatch(1000);
    const BatchRun one = batch(csv, 1);
    EXPECT_EQ(one.error, "not a CSV file: line 1002: a NUL byte: this is not a text file");
    EXPECT_EQ(std::count(one.text.begin(), one.text.end(), '\n'), 1001);
    const BatchRun four = batch(csv, 4);
    EXPECT_EQ(four.error, one.error);
    EXPECT_TRUE(four.text == one.text);
}

TEST(BatchJobs, AFailedOutputStopsTheBatchEarly) {
    const std::string csv = mixedBatch(20000);
    const std::string full = batch(csv, 1).text;
    for (unsigned jobs : {1u, 4u}) {
        FullOutput buffer(100000);
        std::ostream out(&buffer);
        std::istringstream in(csv);
        EXPECT_EQ(runBatch(in, out, BatchLines(), jobs), "");
        EXPECT_TRUE(out.fail());
        EXPECT_EQ(buffer.written, full.substr(0, 100000)) << jobs << " jobs";
        // The input is left unread: the batch stopped, not merely wrote nothing more.
        EXPECT_LT(static_cast<std::size_t>(in.tellg()), csv.size() / 2);
    }
}

} // namespace
} // namespace korvanex
