#include "case/fault.h"
#include "engine/westergaard.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(Westergaard, LoadingStressesAreProportionalToLoadAndFallWithRadius) {
    EXPECT_FLOAT_EQ(WestergaardInterior(2 * P, h, E, k, a, mu), 2 * WestergaardInterior(P, h, E, k, a, mu));
    EXPECT_FLOAT_EQ(WestergaardEdge(2 * P, h, E, k, a, mu), 2 * WestergaardEdge(P, h, E, k, a, mu));
    EXPECT_FLOAT_EQ(WestergaardCorner(2 * P, h, E, k, a, mu), 2 * WestergaardCorner(P, h, E, k, a, mu));

    EXPECT_LT(WestergaardInterior(P, h, E, k, 8, mu), WestergaardInterior(P, h, E, k, a, mu));
    EXPECT_LT(WestergaardEdge(P, h, E, k, 8, mu), WestergaardEdge(P, h, E, k, a, mu));
    EXPECT_LT(WestergaardCorner(P, h, E, k, 8, mu), WestergaardCorner(P, h, E, k, a, mu));

    // sqrt(2) a = l puts the corner stress at zero; beyond it the formula goes negative, as computed.
    const float lTextbook = 36.3500f;
    EXPECT_NEAR(WestergaardCorner(P, h, E, k, lTextbook / std::sqrt(2.0f), mu), 0, 0.5);
    EXPECT_LT(WestergaardCorner(P, h, E, k, 30, mu), 0);
}

TEST(Westergaard, EdgeCurlSignAndZero) {
    EXPECT_EQ(WestergaardEdgeCurl(E, 5.5e-6f, 0, 180, h, k, mu), 0.0f);
    const float warm = WestergaardEdgeCurl(E, 5.5e-6f, 20, 180, h, k, mu);
    EXPECT_GT(warm, 0);
    EXPECT_EQ(WestergaardEdgeCurl(E, 5.5e-6f, -20, 180, h, k, mu), -warm);
}

TEST(Westergaard, LongFlexibleSlabTakesTheLongSlabLimit) {
    // h1 = 4 in, E1 = 500,000 psi, k = 700 pci, L = 100 ft: lambda is about 54, sinh 2 lambda is
    // beyond the single range, and C is exactly 1.
    const float stress = WestergaardEdgeCurl(500000, 5.5e-6f, 20, 1200, 4, 700, 0.15f);
    EXPECT_EQ(stress, static_cast<float>(500000.0 * 5.5e-6f * 20 / 2));
    // Just below the limit the closed form still runs and is already at 1 within single precision.
    const float shorter = WestergaardEdgeCurl(500000, 5.5e-6f, 20, 900, 4, 700, 0.15f);
    EXPECT_NEAR(shorter, stress, stress * 1e-6);
}

TEST(Westergaard, HyperbolicFunctions) {
    EXPECT_EQ(HypTan(0), 0.0f);
    EXPECT_EQ(HypCos(0), 1.0f);
    EXPECT_EQ(HypSin(0), 0.0f);
    EXPECT_FLOAT_EQ(HypCos(1), static_cast<float>(std::cosh(1.0)));
    EXPECT_FLOAT_EQ(HypSin(-1), static_cast<float>(std::sinh(-1.0)));
    EXPECT_FLOAT_EQ(HypTan(0.5f), static_cast<float>(std::tanh(0.5)));
    EXPECT_THROW(HypSin(100), FloatingPointFault);
}

TEST(Westergaard, DegenerateInputsFaultWithTheRoutineNamed) {
    auto faultOf = [](auto routine) -> std::string {
        try {
            routine();
        } catch (const FloatingPointFault& fault) {
            return fault.routine();
        }
        return "no fault";
    };
    // k = 0, h = 0, E = 0, mu = 1: the radius of relative stiffness cannot be formed.
    EXPECT_EQ(faultOf([] { WestergaardInterior(P, h, E, 0, a, mu); }), "WestergaardInterior");
    EXPECT_EQ(faultOf([] { WestergaardEdge(P, 0, E, k, a, mu); }), "WestergaardEdge");
    EXPECT_EQ(faultOf([] { WestergaardCorner(P, h, 0, k, a, mu); }), "WestergaardCorner");
    EXPECT_EQ(faultOf([] { WestergaardEdge(P, h, E, k, a, 1); }), "WestergaardEdge");
    EXPECT_EQ(faultOf([] { WestergaardEdgeCurl(E, 5.5e-6f, 20, 180, h, 0, mu); }), "WestergaardEdgeCurl");
    // a = 0: the logarithms of the interior and edge formulas.
    EXPECT_EQ(faultOf([] { WestergaardInterior(P, h, E, k, 0, mu); }), "WestergaardInterior");
    EXPECT_EQ(faultOf([] { WestergaardEdge(P, h, E, k, 0, mu); }), "WestergaardEdge");
    // Negative values under the root or the logarithm.
    EXPECT_EQ(faultOf([] { WestergaardInterior(P, h, E, -100, a, mu); }), "WestergaardInterior");
    EXPECT_EQ(faultOf([] { WestergaardInterior(P, h, E, k, -6, mu); }), "WestergaardInterior");
    // A slab length of zero leaves 0 / 0 in the curling coefficient.
    EXPECT_EQ(faultOf([] { WestergaardEdgeCurl(E, 5.5e-6f, 20, 0, h, k, mu); }), "WestergaardEdgeCurl");
    // A result beyond the single range.
    EXPECT_EQ(faultOf([] { WestergaardCorner(3e38f, 0.5f, E, k, a, mu); }), "WestergaardCorner");
}
