// SPDX-License-Identifier: Apache-2.0
// The comparison of worked examples: where a row stops passing, and the table's layout.

#include "formats/verification_table.h"

#include <gtest/gtest.h>

namespace {

const korvanex::WorkedExample Examples[] = {
    {"Edge stress, psi", "case A", "Book A", 200.0, 0, 0.02, [] { return 203.9; }},
    {"Radius l, in", "case B", "Book B", 42.97, 2, 0.0005, [] { return 42.9485; }},
    {"Reaction, lb", "case C", "Statics", 10000.0, 0, 1e-9, [] { return 10000.000008; }},
};

TEST(Verification, ARowPassesWithinItsToleranceAndTheTableShowsEveryColumn) {
    const std::vector<korvanex::ExampleCheck> checks = korvanex::checkExamples(Examples);
    EXPECT_FALSE(korvanex::allPass(checks));
    EXPECT_EQ(korvanex::verificationTable(checks),
              (std::vector<std::string>{
                  "| Quantity | Case | Published | Source | KORVANEX | Difference | Tolerance | Result |",
                  "|---|---|---:|---|---:|---:|---:|---|",
                  "| Edge stress, psi | case A | 200 | Book A | 203.90 | +3.90 (+1.950 %) | 2 % | pass |",
                  "| Radius l, in | case B | 42.97 | Book B | 42.9485 | -0.0215 (-0.050 %) | 0.05 % | FAIL |",
                  "| Reaction, lb | case C | 10000 | Statics | 10000.00 | 0.00 (+0.0000001 %) | 0.0000001 % "
                  "| pass |",
                  "",
                  "2 of 3 worked examples agree within their tolerance.",
              }));
}

} // namespace
