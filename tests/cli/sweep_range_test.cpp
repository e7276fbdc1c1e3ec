// SPDX-License-Identifier: Apache-2.0
// The sweep's range as the command line takes it, FIELD=FROM:TO:STEPS.

#include "cli/sweep_range.h"

#include <gtest/gtest.h>

namespace korvanex::cli {
namespace {

TEST(SweepRange, RangeTextsAndWhatIsWrongWithThem) {
    SweepRange range;
    EXPECT_EQ(parseSweepRange("agg=1E4:-2.5e3:1000000", range), "");
    EXPECT_EQ(range.field, Field::AGG);
    EXPECT_EQ(range.from, 10000.0);
    EXPECT_EQ(range.to, -2500.0);
    EXPECT_EQ(range.points, 1000000);
    const std::pair<const char*, const char*> refused[] = {
        {"h1:8:10:5", "\"h1:8:10:5\" is not FIELD=FROM:TO:STEPS"},
        {"h1=8:10", "\"h1=8:10\" is not FIELD=FROM:TO:STEPS"},
        {"h1=eight:10:5", "FROM \"eight\" is not a number"},
        {"h1=8:10in:5", "TO \"10in\" is not a number"},
        {"E1=1:1e39:5", "TO \"1e39\" is beyond single precision"},
        {"E1=-3.5e38:1:5", "FROM \"-3.5e38\" is beyond single precision"},
        {"E1=1e999:1:5", "FROM \"1e999\" is beyond single precision"},
        {"h1=8:10:0", "STEPS \"0\" is not a whole number from 1 to 1000000"},
        {"h1=8:10:1000001", "STEPS \"1000001\" is not a whole number from 1 to 1000000"},
        {"h1=8:10:2.5", "STEPS \"2.5\" is not a whole number from 1 to 1000000"},
    };
    for (const auto& [text, message] : refused) {
        EXPECT_EQ(parseSweepRange(text, range), message);
    }
    EXPECT_EQ(parseSweepRange("gear=1:2:3", range).substr(0, 29), "\"gear\" is not a numeric field");
    EXPECT_EQ(range.points, 1000000) << "a refused text changes nothing";
}

} // namespace
} // namespace korvanex::cli
