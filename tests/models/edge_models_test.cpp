#include "models/edge_models.h"

#include "common_point.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvanex {
namespace {

// The reference factors are published to six significant digits and all lie in [0.1, 1).
constexpr double SixDigits = 0.5e-6;

TEST(EdgeModels, ReferenceFactorsAtTheCommonPoint) {
    CommonPoint p;
    EXPECT_NEAR(edge_tied(p.AGG_kl, p.a_l), 0.542491, SixDigits);
    EXPECT_NEAR(edge_widen(p.D0_l, p.a_l), 0.569535, SixDigits);
    EXPECT_NEAR(edge_dual(p.s_l, p.a_l), 0.620634, SixDigits);
    EXPECT_NEAR(edge_tandem(p.t_l, p.a_l), 0.458052, SixDigits);
    EXPECT_NEAR(edge_tridem(p.t_l, p.a_l), 0.306625, SixDigits);
    // Six significant digits with the trailing zero dropped: 0.995470.
    EXPECT_NEAR(edge_size(p.a_l, p.L_l, p.W_l), 0.99547, SixDigits);
    EXPECT_NEAR(edge_size_los(p.W_l, p.L_l, p.ADT, p.DG), 0.980041, SixDigits);
    EXPECT_NEAR(edge_curl(p.W_l, p.L_l, p.ADT, p.a_l, p.DP, p.DG), 0.927904, SixDigits);

    // Every value lies inside every range, so the calls above left them all as they were.
    EXPECT_EQ(p.a_l, 0.15f);
    EXPECT_EQ(p.L_l, 5.0f);
    EXPECT_EQ(p.W_l, 4.0f);
    EXPECT_EQ(p.s_l, 0.8f);
    EXPECT_EQ(p.t_l, 1.2f);
    EXPECT_EQ(p.AGG_kl, 500.0f);
    EXPECT_EQ(p.D0_l, 0.5f);
    EXPECT_EQ(p.ADT, 10.0f);
    EXPECT_EQ(p.DP, 40.0f);
    EXPECT_EQ(p.DG, 5.0f);
}

TEST(EdgeModels, SlabSizeFactorAtASecondPoint) {
    float a_l = 0.2f;
    float L_l = 4.5f;
    float W_l = 4.0f;
    EXPECT_NEAR(edge_size(a_l, L_l, W_l), 0.98661, 0.5e-5);
}

TEST(EdgeModels, ClampedRatiosAreWrittenBackAndUsed) {
    float s_l = 0.1f;
    float a_l = 0.15f;
    const float dualBelowRange = edge_dual(s_l, a_l);
    EXPECT_EQ(s_l, 0.2f);
    float s_lAtBound = 0.2f;
    float a_lSame = 0.15f;
    EXPECT_EQ(dualBelowRange, edge_dual(s_lAtBound, a_lSame));

    float t_l = 0.1f;
    a_l = 0.15f;
    edge_tandem(t_l, a_l);
    EXPECT_EQ(t_l, 0.1f);

    float D0_l = 0.5f;
    float a_lNarrow = 0.05f;
    const float widenBelowRange = edge_widen(D0_l, a_lNarrow);
    EXPECT_EQ(a_lNarrow, 0.1f);
    float D0_lSame = 0.5f;
    float a_lAtBound = 0.1f;
    EXPECT_EQ(widenBelowRange, edge_widen(D0_lSame, a_lAtBound));

    CommonPoint low;
    low.ADT = 3.0f;
    const float curlBelowRange = edge_curl(low.W_l, low.L_l, low.ADT, low.a_l, low.DP, low.DG);
    EXPECT_EQ(low.ADT, 5.5f);
    CommonPoint atBound;
    atBound.ADT = 5.5f;
    EXPECT_EQ(curlBelowRange,
              edge_curl(atBound.W_l, atBound.L_l, atBound.ADT, atBound.a_l, atBound.DP, atBound.DG));
}

TEST(EdgeModels, EachModelClampsIntoItsOwnRanges) {
    float AGG_kl = -1.0f, a_l = 0.0f;
    edge_tied(AGG_kl, a_l);
    EXPECT_EQ(AGG_kl, 0.0f);
    EXPECT_EQ(a_l, 0.05f);
    AGG_kl = 1e6f, a_l = 1.0f;
    edge_tied(AGG_kl, a_l);
    EXPECT_EQ(AGG_kl, 50000.0f);
    EXPECT_EQ(a_l, 0.5f);

    float D0_l = -1.0f;
    a_l = 0.0f;
    edge_widen(D0_l, a_l);
    EXPECT_EQ(D0_l, 0.0f);
    EXPECT_EQ(a_l, 0.1f);
    D0_l = 3.0f, a_l = 1.0f;
    edge_widen(D0_l, a_l);
    EXPECT_EQ(D0_l, 2.0f);
    EXPECT_EQ(a_l, 0.4f);

    float s_l = 5.0f;
    a_l = 0.45f;
    edge_dual(s_l, a_l);
    EXPECT_EQ(s_l, 4.0f);
    EXPECT_EQ(a_l, 0.4f);

    float t_l = -1.0f;
    a_l = 0.0f;
    edge_tandem(t_l, a_l);
    EXPECT_EQ(t_l, 0.0f);
    EXPECT_EQ(a_l, 0.05f);
    t_l = 5.0f, a_l = 1.0f;
    edge_tandem(t_l, a_l);
    EXPECT_EQ(t_l, 4.0f);
    EXPECT_EQ(a_l, 0.4f);

    t_l = 5.0f, a_l = 1.0f;
    edge_tridem(t_l, a_l);
    EXPECT_EQ(t_l, 3.0f);
    EXPECT_EQ(a_l, 0.4f);

    float L_l = 1.0f, W_l = 1.0f;
    a_l = 0.0f;
    edge_size(a_l, L_l, W_l);
    EXPECT_EQ(a_l, 0.05f);
    EXPECT_EQ(L_l, 2.0f);
    EXPECT_EQ(W_l, 2.0f);
    a_l = 1.0f, L_l = 9.0f, W_l = 9.0f;
    edge_size(a_l, L_l, W_l);
    EXPECT_EQ(a_l, 0.3f);
    EXPECT_EQ(L_l, 7.0f);
    EXPECT_EQ(W_l, 7.0f);

    float ADT = 0.0f, DG = 0.0f;
    L_l = 1.0f, W_l = 1.0f;
    edge_size_los(W_l, L_l, ADT, DG);
    EXPECT_EQ(W_l, 3.0f);
    EXPECT_EQ(L_l, 3.0f);
    EXPECT_EQ(ADT, 5.5f);
    EXPECT_EQ(DG, 0.78f);
    W_l = 20.0f, L_l = 20.0f, ADT = 30.0f, DG = 20.0f;
    edge_size_los(W_l, L_l, ADT, DG);
    EXPECT_EQ(W_l, 15.0f);
    EXPECT_EQ(L_l, 15.0f);
    EXPECT_EQ(ADT, 22.0f);
    EXPECT_EQ(DG, 11.03f);

    float DP = 0.0f;
    W_l = 1.0f, L_l = 1.0f, ADT = 0.0f, a_l = 0.0f, DG = 0.0f;
    edge_curl(W_l, L_l, ADT, a_l, DP, DG);
    EXPECT_EQ(W_l, 3.0f);
    EXPECT_EQ(L_l, 3.0f);
    EXPECT_EQ(ADT, 5.5f);
    EXPECT_EQ(a_l, 0.05f);
    EXPECT_EQ(DP, 2.61f);
    EXPECT_EQ(DG, 1.06f);
    W_l = 20.0f, L_l = 20.0f, ADT = 30.0f, a_l = 1.0f, DP = 200.0f, DG = 20.0f;
    edge_curl(W_l, L_l, ADT, a_l, DP, DG);
    EXPECT_EQ(W_l, 11.0f);
    EXPECT_EQ(L_l, 11.0f);
    EXPECT_EQ(ADT, 22.0f);
    EXPECT_EQ(a_l, 0.3f);
    EXPECT_EQ(DP, 140.74f);
    EXPECT_EQ(DG, 9.93f);
}

TEST(EdgeModels, SlabSizeOrdersLengthAndWidth) {
    float a_l = 0.15f;
    float L_l = 3.0f;
    float W_l = 6.0f;
    const float exchanged = edge_size(a_l, L_l, W_l);
    EXPECT_EQ(L_l, 6.0f);
    EXPECT_EQ(W_l, 3.0f);

    float a_lOrdered = 0.15f;
    float L_lOrdered = 6.0f;
    float W_lOrdered = 3.0f;
    EXPECT_EQ(exchanged, edge_size(a_lOrdered, L_lOrdered, W_lOrdered));
    EXPECT_EQ(L_lOrdered, 6.0f);
    EXPECT_EQ(W_lOrdered, 3.0f);
}

TEST(EdgeModels, FiniteFactorsFarOutsideEveryRange) {
    for (const float ratio : {0.0f, 1e6f, -1.0f, -1e6f}) {
        SCOPED_TRACE(ratio);
        float a = ratio, b = ratio, c = ratio, d = ratio, e = ratio, f = ratio;
        // Each model gets the raw ratio, not what the previous model clamped it to.
        const auto reset = [&] { a = b = c = d = e = f = ratio; };
        EXPECT_TRUE(std::isfinite(edge_tied(a, b)));
        reset();
        EXPECT_TRUE(std::isfinite(edge_widen(a, b)));
        reset();
        EXPECT_TRUE(std::isfinite(edge_dual(a, b)));
        reset();
        EXPECT_TRUE(std::isfinite(edge_tandem(a, b)));
        reset();
        EXPECT_TRUE(std::isfinite(edge_tridem(a, b)));
        reset();
        EXPECT_TRUE(std::isfinite(edge_size(a, b, c)));
        reset();
        EXPECT_TRUE(std::isfinite(edge_size_los(a, b, c, d)));
        reset();
        EXPECT_TRUE(std::isfinite(edge_curl(a, b, c, d, e, f)));
    }
}

} // namespace
} // namespace korvanex
