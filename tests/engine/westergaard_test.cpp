// SPDX-License-Identifier: Apache-2.0
#include "case/fault.h"
#include "engine/westergaard.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <future>
#include <string>

using namespace korvanex;

namespace {

// The textbook case: 9000 lb on a 6 in radius, 8 in slab of 4,000,000 psi on k = 100 pci.
constexpr float P = 9000, h = 8, E = 4000000, k = 100, a = 6, mu = 0.15f;

double roundedToTenths(float value) {
    return std::round(value * 10.0) / 10.0;
}

} // namespace

TEST(Westergaard, TextbookCaseToOneDecimal) {
    EXPECT_DOUBLE_EQ(roundedToTenths(WestergaardInterior(P, h, E, k, a, mu)), 186.9);
    EXPECT_DOUBLE_EQ(roundedToTenths(WestergaardEdge(P, h, E, k, a, mu)), 361.9);
    EXPECT_DOUBLE_EQ(roundedToTenths(WestergaardCorner(P, h, E, k, a, mu)), 245.6);

    // The radius of relative stiffness shows through the curling routine: lambda = L / (l sqrt 8).
    // With l = 36.35 in, a 36.35 * sqrt(8) in slab has lambda = 1, C = 1 - 2 cos1 cosh1 (tan1 + tanh1) /
    // (sin2 + sinh2).
    const double l = std::pow(4000000.0 * 512 / (12 * (1 - 0.15 * 0.15) * 100), 0.25);
    EXPECT_NEAR(l, 36.35, 0.005);
    const double C = 1 - 2 * std::cos(1.0) * std::cosh(1.0) * (std::tan(1.0) + std::tanh(1.0)) /
                             (std::sin(2.0) + std::sinh(2.0));
    const float L = static_cast<float>(l * std::sqrt(8.0));
    EXPECT_NEAR(WestergaardEdgeCurl(E, 5.5e-6f, 20, L, h, k, mu), C * 4000000 * 5.5e-6 * 20 / 2, 1e-3);
}

// The radius is kept from one call to the next on a thread: a run of slabs, each differing from the one
// before in one of its four values (the sign of a zero included), must give the bits that a thread of
// its own forms for each slab from scratch.
TEST(RelativeStiffness, EachCallOfARunFollowsItsOwnSlab) {
    struct Slab {
        float E, h, k, mu;
    };
    const Slab run[] = {
        // clang-format off
        {E, h, k, mu}, {E, h, 150, mu}, {E, h, k, mu}, {3000000, h, k, mu}, {3000000, 10, k, mu},
        {3000000, 10, k, 0.2f}, {3000000, 10, k, 0.0f}, {3000000, 10, k, -0.0f}, {E, h, k, mu}, {E, h, k, mu},
        // clang-format on
    };
    const FaultCheck check("test");
    const auto fromScratch = [&check](const Slab& slab) {
        return std::async(std::launch::async,
                          [&] { return relativeStiffness(check, slab.E, slab.h, slab.k, slab.mu); })
            .get();
    };
    for (const Slab& slab : run) {
        const double l = relativeStiffness(check, slab.E, slab.h, slab.k, slab.mu);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(l), std::bit_cast<std::uint64_t>(fromScratch(slab)))
            << slab.E << " " << slab.h << " " << slab.k << " " << slab.mu;
    }
}

// A slab that faults is not kept: asked for again, it faults again, under the routine that asks.
TEST(RelativeStiffness, AFaultingSlabFaultsAgainUnderEachRoutine) {
    const auto routineOf = [](auto closedForm) {
        try {
            closedForm();
        } catch (const FloatingPointFault& fault) {
            return fault.routine() + " (" + fault.step() + ")";
        }
        return std::string("no fault");
    };
    const std::string step = " (E h^3 / (12 (1 - mu^2) k))";
    EXPECT_EQ(routineOf([] { return WestergaardEdge(P, h, E, 0, a, mu); }), "WestergaardEdge" + step);
    EXPECT_EQ(routineOf([] { return WestergaardCorner(P, h, E, 0, a, mu); }), "WestergaardCorner" + step);
    EXPECT_EQ(routineOf([] { return WestergaardInterior(P, h, E, 0, a, mu); }), "WestergaardInterior" + step);
}
