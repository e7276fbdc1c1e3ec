// SPDX-License-Identifier: Apache-2.0
// The plate model against the closed forms of the literature, the load and its mirror image, and
// the closed forms themselves against values worked by hand.

#include "plate/closed_forms.h"
#include "plate/plate_checks.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvanex;

TEST(PlateChecks, EveryCheckAgreesWithItsReferenceWithinItsTolerance) {
    const std::vector<PlateCheck> checks = plateChecks();
    ASSERT_EQ(checks.size(), 21u);
    for (const PlateCheck& check : checks) {
        EXPECT_TRUE(check.passes()) << check.quantity << ": the model gives " << check.computed << " against "
                                    << check.reference << " (" << check.source << "), "
                                    << 100 * check.relativeDifference() << " % where "
                                    << 100 * check.relativeTolerance << " % is allowed";
    }
}

TEST(PlateChecks, ARowPassesWithinItsToleranceOnly) {
    const PlateCheck within{"q", "case", "source", 200.0, 203.9, 0.02};
    const PlateCheck beyond{"q", "case", "source", 200.0, 196.0 - 1e-9, 0.02};
    EXPECT_TRUE(within.passes());
    EXPECT_FALSE(beyond.passes());
    EXPECT_NEAR(within.relativeDifference(), 0.0195, 1e-12);
}

// Huang's 10 in slab (E 4,000,000 psi, mu 0.15) on k = 100 pci, l = 42.97 in, under 10,000 lb on
// a = 6 in (c = 10.632 in), worked by hand to four figures; Bradbury's centre stress for Cx = 1.07,
// Cy = 0.38 under alpha 5e-6 /degF and dT 20 degF.
TEST(ClosedForms, AgreeWithValuesWorkedByHand) {
    const double l = 42.9725;
    struct Row {
        const char* name;
        double value;
        double worked;
    };
    const Row rows[] = {
        // clang-format off
        {"interior deflection", interiorDeflection(10000, 100, l, 6),               0.006699},
        {"edge deflection",     edgeDeflection(10000, 4.0e6, 10, 100, 0.15, 6, l),   0.02067},
        {"corner stress",       cornerStress(10000, 10, 1.772 * 6, l),               190.25},
        {"corner deflection",   cornerDeflection(10000, 100, l, 1.772 * 6),          0.05601},
        {"Bradbury centre",     bradburyCentreStress(4.0e6, 5.0e-6, 20, 0.15, 1.07, 0.38), 230.59},
        // clang-format on
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(row.value, row.worked, 0.0005 * row.worked) << row.name;
    }
}
