#include "models/interior_models.h"

#include "common_point.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace korvanex {
namespace {

TEST(InteriorModels, CommonPointFactorsMatchTheFittedTables) {
    {
        CommonPoint p;
        EXPECT_EQ(interior_unity(p.AGG_kl, p.a_l), 1.0f);
        EXPECT_EQ(interior_unity(p.D0_l, p.a_l), 1.0f);
    }
    {
        CommonPoint p;
        EXPECT_NEAR(interior_dual(p.s_l, p.a_l), 0.660939, 0.5e-6);
    }
    {
        CommonPoint p;
        EXPECT_NEAR(interior_tridem(p.t_l, p.a_l), 0.42591, 0.5e-5);
    }
    {
        CommonPoint p;
        EXPECT_NEAR(interior_size(p.a_l, p.L_l, p.W_l), 1.06328, 0.5e-5);
    }
    {
        CommonPoint p;
        EXPECT_NEAR(interior_size_los(p.W_l, p.a_l, p.DP, p.DG), 1.04968, 0.5e-5);
    }
    {
        CommonPoint p;
        EXPECT_NEAR(interior_curl(p.W_l, p.a_l, p.ADT, p.DP, p.DG), 0.371542, 0.5e-6);
    }
}

TEST(InteriorModels, CommonPointArgumentsInsideTheRangesAreLeftAsTheyWere) {
    CommonPoint p;
    interior_dual(p.s_l, p.a_l);
    interior_tridem(p.t_l, p.a_l);
    interior_size(p.a_l, p.L_l, p.W_l);
    interior_size_los(p.W_l, p.a_l, p.DP, p.DG);
    interior_curl(p.W_l, p.a_l, p.ADT, p.DP, p.DG);
    EXPECT_EQ(p.a_l, 0.15f);
    EXPECT_EQ(p.L_l, 5.0f);
    EXPECT_EQ(p.W_l, 4.0f);
    EXPECT_EQ(p.s_l, 0.8f);
    EXPECT_EQ(p.t_l, 1.2f);
    EXPECT_EQ(p.ADT, 10.0f);
    EXPECT_EQ(p.DP, 40.0f);
    EXPECT_EQ(p.DG, 5.0f);
}

TEST(InteriorModels, ClampedWidthIsWrittenBackAndUsed) {
    CommonPoint wide;
    wide.W_l = 20.0f;
    CommonPoint atLimit;
    atLimit.W_l = 17.0f;
    const float wideFactor = interior_size_los(wide.W_l, wide.a_l, wide.DP, wide.DG);
    EXPECT_EQ(wide.W_l, 17.0f);
    EXPECT_EQ(wideFactor, interior_size_los(atLimit.W_l, atLimit.a_l, atLimit.DP, atLimit.DG));

    CommonPoint curlWide;
    curlWide.W_l = 16.0f;
    CommonPoint curlAtLimit;
    curlAtLimit.W_l = 15.0f;
    const float curlFactor =
        interior_curl(curlWide.W_l, curlWide.a_l, curlWide.ADT, curlWide.DP, curlWide.DG);
    EXPECT_EQ(curlWide.W_l, 15.0f);
    EXPECT_EQ(curlFactor, interior_curl(curlAtLimit.W_l, curlAtLimit.a_l, curlAtLimit.ADT, curlAtLimit.DP,
                                        curlAtLimit.DG));
}

TEST(InteriorModels, TridemLimitsTheSpacingToThreeWhileDualAndTandemAcceptFour) {
    float tridemSpacing = 3.5f;
    float tridemRadius = 0.15f;
    float spacingAtLimit = 3.0f;
    float radiusAtLimit = 0.15f;
    const float tridem = interior_tridem(tridemSpacing, tridemRadius);
    EXPECT_EQ(tridemSpacing, 3.0f);
    EXPECT_EQ(tridem, interior_tridem(spacingAtLimit, radiusAtLimit));

    float dualSpacing = 3.5f;
    float dualRadius = 0.15f;
    interior_dual(dualSpacing, dualRadius);
    EXPECT_EQ(dualSpacing, 3.5f);

    float tandemSpacing = 3.5f;
    float tandemRadius = 0.15f;
    interior_tandem(tandemSpacing, tandemRadius);
    EXPECT_EQ(tandemSpacing, 3.5f);
}

TEST(InteriorModels, EveryClampRangeIsWrittenBack) {
    float s_l = 4.5f;
    float a_l = 0.45f;
    interior_dual(s_l, a_l);
    EXPECT_EQ(s_l, 4.0f);
    EXPECT_EQ(a_l, 0.4f);

    float t_l = -1.0f;
    a_l = 0.01f;
    interior_tridem(t_l, a_l);
    EXPECT_EQ(t_l, 0.0f);
    EXPECT_EQ(a_l, 0.05f);

    a_l = 0.35f;
    float L_l = 1.0f;
    float W_l = 8.0f;
    interior_size(a_l, L_l, W_l);
    EXPECT_EQ(a_l, 0.3f);
    EXPECT_EQ(L_l, 2.0f);
    EXPECT_EQ(W_l, 7.0f);

    W_l = 1.0f;
    a_l = 0.01f;
    float DP = 140.0f;
    float DG = 0.5f;
    interior_size_los(W_l, a_l, DP, DG);
    EXPECT_EQ(W_l, 2.0f);
    EXPECT_EQ(a_l, 0.05f);
    EXPECT_EQ(DP, 130.0f);
    EXPECT_EQ(DG, 1.0f);

    W_l = 1.0f;
    a_l = 0.35f;
    float ADT = 30.0f;
    DP = 1.0f;
    DG = 12.0f;
    interior_curl(W_l, a_l, ADT, DP, DG);
    EXPECT_EQ(W_l, 2.0f);
    EXPECT_EQ(a_l, 0.3f);
    EXPECT_EQ(ADT, 22.0f);
    EXPECT_EQ(DP, 2.0f);
    EXPECT_EQ(DG, 10.0f);

    ADT = 1.0f;
    interior_curl(W_l, a_l, ADT, DP, DG);
    EXPECT_EQ(ADT, 5.5f);
}

TEST(InteriorModels, UnityReturnsOneAndLeavesItsArgumentsAlone) {
    float AGG_kl = 1e6f;
    float a_l = -3.0f;
    EXPECT_EQ(interior_unity(AGG_kl, a_l), 1.0f);
    EXPECT_EQ(AGG_kl, 1e6f);
    EXPECT_EQ(a_l, -3.0f);

    float D0_l = -1e6f;
    float radius = 50.0f;
    EXPECT_EQ(interior_unity(D0_l, radius), 1.0f);
    EXPECT_EQ(D0_l, -1e6f);
    EXPECT_EQ(radius, 50.0f);
}

TEST(InteriorModels, TandemReturnsExactlyWhatDualReturns) {
    for (const float spacing : {0.0f, 0.8f, 1.2f, 3.5f, 6.0f}) {
        for (const float radius : {0.01f, 0.15f, 0.4f, 0.9f}) {
            float t_l = spacing;
            float tandemRadius = radius;
            float s_l = spacing;
            float dualRadius = radius;
            const float tandem = interior_tandem(t_l, tandemRadius);
            const float dual = interior_dual(s_l, dualRadius);
            EXPECT_EQ(std::bit_cast<std::uint32_t>(tandem), std::bit_cast<std::uint32_t>(dual))
                << "t/l " << spacing << ", a/l " << radius;
            EXPECT_EQ(t_l, s_l);
            EXPECT_EQ(tandemRadius, dualRadius);
        }
    }
}

TEST(InteriorModels, FarOutsideEveryRangeTheFactorsStayFinite) {
    for (const float value : {0.0f, 1e6f, -1.0f, -1e6f}) {
        float first = value;
        float second = value;
        float third = value;
        float fourth = value;
        float fifth = value;
        EXPECT_TRUE(std::isfinite(interior_unity(first, second))) << value;
        first = second = value;
        EXPECT_TRUE(std::isfinite(interior_dual(first, second))) << value;
        first = second = value;
        EXPECT_TRUE(std::isfinite(interior_tandem(first, second))) << value;
        first = second = value;
        EXPECT_TRUE(std::isfinite(interior_tridem(first, second))) << value;
        first = second = third = value;
        EXPECT_TRUE(std::isfinite(interior_size(first, second, third))) << value;
        first = second = third = fourth = value;
        EXPECT_TRUE(std::isfinite(interior_size_los(first, second, third, fourth))) << value;
        first = second = third = fourth = fifth = value;
        EXPECT_TRUE(std::isfinite(interior_curl(first, second, third, fourth, fifth))) << value;
    }
}

} // namespace
} // namespace korvanex
