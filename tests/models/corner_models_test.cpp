#include "models/corner_models.h"

#include "common_point.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

namespace korvanex {
namespace {

TEST(CornerModelsTest, CommonPointFactorsMatchTheFittedValues) {
    {
        CommonPoint r;
        EXPECT_NEAR(corner_tied(r.AGG_kl, r.a_l), 0.848889, 5e-7);
    }
    {
        CommonPoint r;
        EXPECT_NEAR(corner_widen(r.D0_l, r.a_l), 0.597531, 5e-7);
    }
    {
        CommonPoint r;
        EXPECT_NEAR(corner_dual(r.s_l, r.a_l), 0.662241, 5e-7);
    }
    {
        CommonPoint r;
        EXPECT_NEAR(corner_tridem(r.t_l, r.a_l), 0.417329, 5e-7);
    }
    {
        CommonPoint r;
        EXPECT_NEAR(corner_size(r.a_l, r.L_l, r.W_l), 1.02853, 5e-6);
    }
    {
        CommonPoint r;
        EXPECT_NEAR(corner_size_los(r.a_l, r.L_l, r.DP, r.DG), 1.0372, 5e-5);
    }
    {
        CommonPoint r;
        EXPECT_NEAR(corner_curl(r.a_l, r.L_l, r.ADT, r.DP, r.DG), 0.154343, 5e-7);
    }
}

TEST(CornerModelsTest, ClampedRatiosAreWrittenBack) {
    float a_l = 0.2f;
    float L_l = 4.5f;
    float W_l = 9.0f;
    const float sizeAboveRange = corner_size(a_l, L_l, W_l);
    EXPECT_EQ(W_l, 7.0f);
    EXPECT_EQ(a_l, 0.2f);
    EXPECT_EQ(L_l, 4.5f);
    float a_lInside = 0.2f;
    float L_lInside = 4.5f;
    float W_lAtBound = 7.0f;
    EXPECT_EQ(sizeAboveRange, corner_size(a_lInside, L_lInside, W_lAtBound));

    float t_lTridem = 1.2f;
    float a_lTridem = 0.42f;
    const float tridemAt042 = corner_tridem(t_lTridem, a_lTridem);
    EXPECT_EQ(a_lTridem, 0.42f);
    float t_lTridemAt04 = 1.2f;
    float a_lTridemAt04 = 0.4f;
    EXPECT_NE(tridemAt042, corner_tridem(t_lTridemAt04, a_lTridemAt04));

    float s_lDual = 0.8f;
    float a_lDual = 0.42f;
    const float dualAt042 = corner_dual(s_lDual, a_lDual);
    EXPECT_EQ(a_lDual, 0.4f);
    float s_lDualAt04 = 0.8f;
    float a_lDualAt04 = 0.4f;
    EXPECT_EQ(dualAt042, corner_dual(s_lDualAt04, a_lDualAt04));

    CommonPoint hot;
    hot.ADT = 30.0f;
    const float curlAt30 = corner_curl(hot.a_l, hot.L_l, hot.ADT, hot.DP, hot.DG);
    EXPECT_EQ(hot.ADT, 22.0f);
    CommonPoint atBound;
    atBound.ADT = 22.0f;
    EXPECT_EQ(curlAt30, corner_curl(atBound.a_l, atBound.L_l, atBound.ADT, atBound.DP, atBound.DG));
}

TEST(CornerModelsTest, TandemIsTheDualModelAtTheLongitudinalSpacing) {
    const float points[][2] = {{1.2f, 0.15f}, {5.0f, 0.5f}, {-1.0f, 0.01f}, {0.0f, 0.4f}};
    for (const auto& point : points) {
        float t_lTandem = point[0];
        float a_lTandem = point[1];
        float t_lDual = point[0];
        float a_lDual = point[1];
        const float tandem = corner_tandem(t_lTandem, a_lTandem);
        const float dual = corner_dual(t_lDual, a_lDual);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(tandem), std::bit_cast<std::uint32_t>(dual));
        EXPECT_EQ(t_lTandem, t_lDual);
        EXPECT_EQ(a_lTandem, a_lDual);
    }

    float t_l = 5.0f;
    float a_l = 0.5f;
    corner_tandem(t_l, a_l);
    EXPECT_EQ(t_l, 4.0f);
    EXPECT_EQ(a_l, 0.4f);
}

TEST(CornerModelsTest, EveryModelIsFiniteFarOutsideItsRanges) {
    for (const float value : {0.0f, 1e6f, -1.0f, -1e6f}) {
        SCOPED_TRACE(value);
        float x1 = value;
        float x2 = value;
        float x3 = value;
        float x4 = value;
        float x5 = value;
        EXPECT_TRUE(std::isfinite(corner_tied(x1, x2)));
        x1 = x2 = value;
        EXPECT_TRUE(std::isfinite(corner_widen(x1, x2)));
        x1 = x2 = value;
        EXPECT_TRUE(std::isfinite(corner_dual(x1, x2)));
        x1 = x2 = value;
        EXPECT_TRUE(std::isfinite(corner_tandem(x1, x2)));
        x1 = x2 = value;
        EXPECT_TRUE(std::isfinite(corner_tridem(x1, x2)));
        x1 = x2 = x3 = value;
        EXPECT_TRUE(std::isfinite(corner_size(x1, x2, x3)));
        x1 = x2 = x3 = x4 = value;
        EXPECT_TRUE(std::isfinite(corner_size_los(x1, x2, x3, x4)));
        x1 = x2 = x3 = x4 = x5 = value;
        EXPECT_TRUE(std::isfinite(corner_curl(x1, x2, x3, x4, x5)));
    }
}

} // namespace
} // namespace korvanex
