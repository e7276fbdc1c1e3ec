#include "case/fault.h"
#include "engine/edge_stress_model.h"
#include "engine/westergaard.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvanex;

namespace {

constexpr double Pi = 3.14159265;
constexpr float Unset = -1234.5f;

// A 10 in slab of 4,000,000 psi on k = 100 pci under an 18000 lb axle on 100 psi tires.
constexpr float h1 = 10, E1 = 4000000, k = 100, mu = 0.15f, P = 18000, tp = 100;
constexpr float S = 12, t = 50, d = 72, L = 180;
constexpr float E2 = 2000000, h2 = 6;

// The expected values below re-evaluate the closed forms in double precision; six significant
// digits separate a slip in a constant from the rounding of the single-precision steps.
double sixDigits(double expected) {
    return std::fabs(expected) * 1e-6;
}

double stiffnessRadius(double h, double E, double poisson, double subgrade) {
    return std::pow(E * h * h * h / (12 * (1 - poisson * poisson) * subgrade), 0.25);
}

const double l = stiffnessRadius(h1, E1, mu, k);

// The spread factor of a dual pair, f1.
double dualSpread(double a0, double s, double radius) {
    const double x = s / a0, y = a0 / radius, z = s / radius;
    return 0.909 + 0.339485 * x - 0.017881 * x * x + 0.000436 * x * x * x + 0.103946 * y -
           0.045229 * x * x * y - 0.301805 * x * y * y * y + 0.034664 * z * z + 0.001 * x * x * x * y;
}

// The tandem spread factor g of a dual pair of radius a1.
double tandemSpread(double a1, double spacing, double radius) {
    const double u = std::log(spacing / a1), w = std::log(a1 / radius);
    return 2.199479 + 0.548071 * u * u + 0.74761 * u * w - 0.486597 * u * u * w - 0.29507 * u * u * u -
           0.028116 * w * w * w;
}

// The tridem spread factor f3.
double tridemSpread(double a0, double s, double spacing, double radius) {
    const double T = spacing / a0, X = s / a0, y = a0 / radius, U = spacing / radius, Z = s / radius;
    return 1.542864 + 5.465697 * y + 17.371416 * y * y + 0.567442 * T - 0.704714 * Z - 2.61563 * U +
           0.087538 * T * X - 0.000359 * T * X * X;
}

// The composite section of two bonded layers.
struct Bonded {
    double h1e, h2e, he, stressFactor;
};

Bonded bonded(double top, double bottom, double Etop, double Ebottom) {
    const double x2 = 0.5 * top * (top + bottom) / (top + bottom * Ebottom / Etop);
    const double x1 = 0.5 * (top + bottom) - x2;
    const double h1e = std::cbrt(top * top * top + 12 * top * x1 * x1);
    const double h2e = std::cbrt(bottom * bottom * bottom + 12 * bottom * x2 * x2);
    const double he = std::cbrt(h1e * h1e * h1e + Ebottom / Etop * h2e * h2e * h2e);
    const double X =
        (Etop * top * top / 2 + Ebottom * bottom * (top + bottom / 2)) / (Etop * top + Ebottom * bottom);
    return {h1e, h2e, he, 2 * (top - X) / he};
}

// The edge stress under half the axle load.
double edgeStress(double thickness, double modulus, float radius) {
    return WestergaardEdge(P / 2, static_cast<float>(thickness), static_cast<float>(modulus), k, radius, mu);
}

EdgeModelInputs oneLayerCase() {
    EdgeModelInputs in;
    in.h1 = h1;
    in.L = L;
    in.gear = GearCode::DualSingle;
    in.tp = tp;
    in.k = k;
    in.P = P;
    in.dT = 0;
    in.alpha = 5.5e-6f;
    in.mu = mu;
    in.E1 = E1;
    in.E2 = E2;
    in.h2 = h2;
    in.d = d;
    in.S = S;
    in.t = t;
    in.layers = LayerCode::OneLayer;
    in.tied = TiedCode::NotTied;
    in.widened = WidenedFlag::NotWidened;
    in.d0 = 24;
    in.AGG_kl = 3;
    return in;
}

AnalysisResults unsetEdgeFields() {
    AnalysisResults results;
    for (float AnalysisResults::*field :
         {&AnalysisResults::MdEdgeInfSlab, &AnalysisResults::MdSecondLayer, &AnalysisResults::MdSlabSize,
          &AnalysisResults::MdTiedShoulder, &AnalysisResults::MdWidenedLane, &AnalysisResults::MdCurlStress,
          &AnalysisResults::MdTopLayerStress, &AnalysisResults::MdCombinedStress,
          &AnalysisResults::MdBottomLayerStress, &AnalysisResults::SlabEdgeStress}) {
        results.*field = Unset;
    }
    return results;
}

} // namespace

TEST(MdRadius, EquivalentRadiusOfEachGear) {
    const float lSingle = static_cast<float>(l);

    // Single-Single: one tire carrying half the axle load, sqrt(18000 / (2 pi 100)) = 5.352 in.
    const float single =
        MdRadius({.gear = GearCode::SingleSingle, .tp = tp, .P = P, .S = S, .t = t}, lSingle);
    EXPECT_FLOAT_EQ(single, static_cast<float>(std::sqrt(P / (2 * Pi * tp))));
    EXPECT_NEAR(single, 5.352, 0.001);

    const double a0Dual = std::sqrt(P / (tp * 4 * Pi));
    const double dual = dualSpread(a0Dual, S, lSingle) * a0Dual;
    EXPECT_NEAR(MdRadius({.gear = GearCode::DualSingle, .tp = tp, .P = P, .S = S, .t = t}, lSingle), dual,
                sixDigits(dual));

    // With a short radius of relative stiffness, l = 10 in, a0/l = 0.38 weights the terms in y.
    const double flexible = dualSpread(a0Dual, S, 10) * a0Dual;
    EXPECT_NEAR(MdRadius({.gear = GearCode::DualSingle, .tp = tp, .P = P, .S = S, .t = t}, 10), flexible,
                sixDigits(flexible));

    const double a0Tandem = std::sqrt(P / (tp * 8 * Pi));
    const double a1 = dualSpread(a0Tandem, S, lSingle) * a0Tandem;
    const double tandem = tandemSpread(a1, t, lSingle) * a1;
    EXPECT_NEAR(MdRadius({.gear = GearCode::DualTandem, .tp = tp, .P = P, .S = S, .t = t}, lSingle), tandem,
                sixDigits(tandem));

    const double a0Tridem = std::sqrt(P / (tp * 12 * Pi));
    const double tridem = tridemSpread(a0Tridem, S, t, lSingle) * a0Tridem;
    EXPECT_NEAR(MdRadius({.gear = GearCode::DualTridem, .tp = tp, .P = P, .S = S, .t = t}, lSingle), tridem,
                sixDigits(tridem));

    // Zero tire pressure leaves no contact area.
    EXPECT_THROW(MdRadius({.gear = GearCode::SingleSingle, .tp = 0, .P = P, .S = S, .t = t}, lSingle),
                 FloatingPointFault);
}

TEST(MdInfSlab, OtherWheelOfTheAxleBySpacing) {
    const float aEq = 6;
    const double r = aEq / l;
    const float singleWheel = WestergaardEdge(P / 2, h1, E1, k, aEq, mu);

    // Both wheels at one point double the stress; beyond three radii the other wheel adds nothing.
    EXPECT_FLOAT_EQ(MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = 0}, aEq), 2 * singleWheel);
    EXPECT_FLOAT_EQ(
        MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = static_cast<float>(3.5 * l)}, aEq),
        singleWheel);

    const double q = d / l;
    const double far =
        0.269353 * r - 0.15743211 + 0.357644 / q - 0.0589073 / (q * q) + 0.003486 / (q * q * q);
    EXPECT_NEAR(MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = d}, aEq),
                (1 + far) * singleWheel, sixDigits((1 + far) * singleWheel));

    const float close = 4;
    const double qClose = close / l;
    ASSERT_LT(qClose, 0.125);
    const double near = 1 - (0.2815 - 0.269353 * r) * qClose / 0.125;
    EXPECT_NEAR(MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = close}, aEq),
                (1 + near) * singleWheel, sixDigits((1 + near) * singleWheel));

    // a'/l = 0.35 enters the spacing factor as 0.3.
    const float wide = 15;
    ASSERT_GT(wide / l, 0.3);
    const float wideWheel = WestergaardEdge(P / 2, h1, E1, k, wide, mu);
    const double limited =
        0.269353 * 0.3 - 0.15743211 + 0.357644 / q - 0.0589073 / (q * q) + 0.003486 / (q * q * q);
    EXPECT_NEAR(MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = d}, wide),
                (1 + limited) * wideWheel, sixDigits((1 + limited) * wideWheel));

    // The two fitted pieces meet at q = 0.125.
    const float knot = static_cast<float>(0.125 * l);
    EXPECT_NEAR(MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = knot * 0.9999f}, aEq),
                MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = knot}, aEq),
                singleWheel * 1e-4);
}

TEST(MdLayer, SecondLayerFactorOfEachLayering) {
    const float aEq = 6;
    const double slabAlone = edgeStress(h1, E1, aEq);
    EXPECT_EQ(
        MdLayer(
            {.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .E2 = E2, .h2 = h2, .layers = LayerCode::OneLayer},
            aEq),
        1.0f);

    const double heUnbonded = std::cbrt(h1 * h1 * h1 + E2 / E1 * h2 * h2 * h2);
    const double unbonded = h1 / heUnbonded * edgeStress(heUnbonded, E1, aEq) / slabAlone;
    EXPECT_NEAR(MdLayer({.h1 = h1,
                         .k = k,
                         .P = P,
                         .mu = mu,
                         .E1 = E1,
                         .E2 = E2,
                         .h2 = h2,
                         .layers = LayerCode::TwoLayerUnbonded},
                        aEq),
                unbonded, sixDigits(unbonded));

    const Bonded section = bonded(h1, h2, E1, E2);
    const double bondedFactor = section.stressFactor * edgeStress(section.he, E1, aEq) / slabAlone;
    EXPECT_NEAR(MdLayer({.h1 = h1,
                         .k = k,
                         .P = P,
                         .mu = mu,
                         .E1 = E1,
                         .E2 = E2,
                         .h2 = h2,
                         .layers = LayerCode::TwoLayerBonded},
                        aEq),
                bondedFactor, sixDigits(bondedFactor));
}

TEST(MdSize, SlabSizeFactorUpToFiveRadii) {
    for (const float aEq : {2.0f, 6.0f, 12.0f}) {
        for (const double ratio : {5.01, 5.5, 7.0, 20.0, 100.0}) {
            EXPECT_EQ(MdSize({.h1 = h1, .L = static_cast<float>(ratio * l), .k = k, .mu = mu, .E1 = E1}, aEq),
                      1.0f)
                << aEq << " " << ratio;
        }
    }

    const float aEq = 6, shortSlab = static_cast<float>(4 * l);
    const double r = aEq / l, x = shortSlab / l;
    const double S4 = 0.582282 - 0.533078 * r + 0.181706 * x - 0.019824 * x * x + 0.109051 * r * x;
    ASSERT_LT(S4, 1);
    EXPECT_NEAR(MdSize({.h1 = h1, .L = shortSlab, .k = k, .mu = mu, .E1 = E1}, aEq), S4, sixDigits(S4));

    // At five radii a wide load radius (a'/l = 0.6) takes the formula above 1: the factor is 1.
    const float wide = static_cast<float>(0.6 * l), fiveRadii = static_cast<float>(4.999 * l);
    const double rWide = wide / l, x5 = fiveRadii / l;
    ASSERT_GT(0.582282 - 0.533078 * rWide + 0.181706 * x5 - 0.019824 * x5 * x5 + 0.109051 * rWide * x5, 1);
    EXPECT_EQ(MdSize({.h1 = h1, .L = fiveRadii, .k = k, .mu = mu, .E1 = E1}, wide), 1.0f);
}

TEST(MdTied, TiedShoulderFactorByAggregateInterlock) {
    const float aEq = 6;
    const double r = aEq / l;
    EXPECT_EQ(MdTied({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .tied = TiedCode::NotTied, .AGG_kl = 3}, aEq),
              1.0f);

    const double low = 1 - 0.025169 * 3 - 0.086034 * r * 3;
    EXPECT_NEAR(MdTied({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .tied = TiedCode::Tied, .AGG_kl = 3}, aEq), low,
                sixDigits(low));

    const double v = std::log(500.0);
    const double high = 0.99864 - 0.51237 * r - 0.0762 * v + 0.00315 * v * v + 0.015936 * (r * v) * (r * v);
    EXPECT_NEAR(MdTied({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .tied = TiedCode::Tied, .AGG_kl = 500}, aEq),
                high, sixDigits(high));

    // A negative stiffness ratio takes the formula above 1: the factor is 1.
    EXPECT_EQ(MdTied({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .tied = TiedCode::Tied, .AGG_kl = -1}, aEq),
              1.0f);
}

TEST(MdWidened, WidenedLaneFactorByOffset) {
    const float aEq = 6;
    const double r = aEq / l;
    EXPECT_EQ(
        MdWidened({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .widened = WidenedFlag::NotWidened, .d0 = 24}, aEq),
        1.0f);

    // The wheel 18 in from the lane edge: q = (d0 + 18) / l. A wide radius on a lane widened by 0 in
    // gives rho = 0.67, where every power of rho counts.
    const float wideRadius = 12;
    const double q = 18 / l, rho = wideRadius / l / q;
    ASSERT_GE(q, 0.125);
    ASSERT_GT(rho, 0.6);
    const double wide =
        0.013211 / q + 0.454147 + 0.386201 * rho - 0.24565 * rho * rho + 0.053891 * rho * rho * rho;
    EXPECT_NEAR(MdWidened({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .widened = WidenedFlag::Widened, .d0 = 0},
                          wideRadius),
                wide, sixDigits(wide));

    // Beyond q = 1.5 the offset counts as 1.5.
    ASSERT_GT((60 + 18) / l, 1.5);
    const double rhoFar = r / 1.5;
    const double far = 0.013211 / 1.5 + 0.454147 + 0.386201 * rhoFar - 0.24565 * rhoFar * rhoFar +
                       0.053891 * rhoFar * rhoFar * rhoFar;
    EXPECT_NEAR(
        MdWidened({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .widened = WidenedFlag::Widened, .d0 = 60}, aEq),
        far, sixDigits(far));

    const double qNear = (-15 + 18) / l;
    ASSERT_LT(qNear, 0.125);
    const double near = 1 - (0.440165 - 3.0896 * r + 15.7216 * r * r - 27.592 * r * r * r) * qNear / 0.125;
    EXPECT_NEAR(
        MdWidened({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .widened = WidenedFlag::Widened, .d0 = -15}, aEq),
        near, sixDigits(near));
}

TEST(MdCurl, CurlingStressOfTheFiniteSlab) {
    const float lSingle = static_cast<float>(l);
    const float dT = 20, alpha = 5.5e-6f, slab = 240;

    const float x0 = static_cast<float>(slab / static_cast<double>(lSingle));
    const double A = 100000.0 * dT * alpha;
    const double lambda = x0 / std::sqrt(8.0);
    const double C = 1 - 2 * std::cos(lambda) * std::cosh(lambda) /
                             (std::sin(2 * lambda) + std::sinh(2 * lambda)) *
                             (std::tan(lambda) + std::tanh(lambda));
    const double restrained = C * E1 * alpha * dT * 0.5;
    const double x = 0.01 * x0;
    const double Ek = static_cast<double>(E1) * k;
    const double F = 1.062 - 0.0157568 * A - 8.76e-05 * k - 1.068 * x + 0.387317 * A * x + 1.17e-11 * Ek * A -
                     1.81e-12 * Ek * A * A - 1.051e-09 * Ek * A * x * x + 1.84e-11 * Ek * A * A * x -
                     1.7487 * A * x * x + 3.435123724e-05 * A * A * A + 86.97 * x * x * x -
                     0.008163966238498091 * A * A * x;
    EXPECT_NEAR(MdCurl({.L = slab, .k = k, .dT = dT, .alpha = alpha, .E1 = E1}, lSingle), restrained * F,
                sixDigits(restrained * F));
}

TEST(MdBottom, StressInTheSecondLayer) {
    const float aEq = 6;
    EXPECT_EQ(
        MdBottom(
            {.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .E2 = E2, .h2 = h2, .layers = LayerCode::OneLayer},
            aEq),
        0.0f);

    auto bottomStress = [aEq](double top, double bottom) {
        const double l2 = stiffnessRadius(bottom, E2, mu, k);
        const double R = 1 + E1 * top * top * top / (E2 * bottom * bottom * bottom);
        const double F = 0.12565 * aEq / l2 + 0.0137 + 1.06302 / R;
        return F * edgeStress(bottom, E2, aEq);
    };
    const double unbonded = bottomStress(h1, h2);
    EXPECT_NEAR(MdBottom({.h1 = h1,
                          .k = k,
                          .P = P,
                          .mu = mu,
                          .E1 = E1,
                          .E2 = E2,
                          .h2 = h2,
                          .layers = LayerCode::TwoLayerUnbonded},
                         aEq),
                unbonded, sixDigits(unbonded));

    const Bonded section = bonded(h1, h2, E1, E2);
    const double composite = bottomStress(section.h1e, section.h2e);
    EXPECT_NEAR(MdBottom({.h1 = h1,
                          .k = k,
                          .P = P,
                          .mu = mu,
                          .E1 = E1,
                          .E2 = E2,
                          .h2 = h2,
                          .layers = LayerCode::TwoLayerBonded},
                         aEq),
                composite, sixDigits(composite));

    // A second layer without stiffness or without thickness divides by zero.
    EXPECT_THROW(MdBottom({.h1 = h1,
                           .k = k,
                           .P = P,
                           .mu = mu,
                           .E1 = E1,
                           .E2 = 0,
                           .h2 = h2,
                           .layers = LayerCode::TwoLayerBonded},
                          aEq),
                 FloatingPointFault);
    EXPECT_THROW(MdBottom({.h1 = h1,
                           .k = k,
                           .P = P,
                           .mu = mu,
                           .E1 = E1,
                           .E2 = E2,
                           .h2 = 0,
                           .layers = LayerCode::TwoLayerUnbonded},
                          aEq),
                 FloatingPointFault);
}

TEST(EdgeStressModel, PlainSlabWithoutCurling) {
    AnalysisResults results = unsetEdgeFields();
    EdgeStressModel(oneLayerCase(), results);

    EXPECT_EQ(results.MdCurlStress, 0.0f);
    EXPECT_EQ(results.MdCombinedStress, results.MdTopLayerStress);
    EXPECT_EQ(results.MdSecondLayer, 1.0f);
    EXPECT_EQ(results.MdBottomLayerStress, 0.0f);
    EXPECT_EQ(results.MdTiedShoulder, 1.0f);
    EXPECT_EQ(results.MdWidenedLane, 1.0f);
    EXPECT_EQ(results.MdTopLayerStress,
              static_cast<float>(static_cast<double>(results.MdEdgeInfSlab) * results.MdSlabSize));
    // The model writes its own fields only.
    EXPECT_EQ(results.SlabEdgeStress, Unset);
}

TEST(EdgeStressModel, EveryAdjustmentOfABondedSlab) {
    EdgeModelInputs in = oneLayerCase();
    in.gear = GearCode::DualTandem;
    in.dT = 20;
    in.L = 150;
    in.layers = LayerCode::TwoLayerBonded;
    in.tied = TiedCode::Tied;
    in.widened = WidenedFlag::Widened;
    AnalysisResults results = unsetEdgeFields();
    EdgeStressModel(in, results);

    const float lSingle = static_cast<float>(l);
    const float aEq = MdRadius({.gear = GearCode::DualTandem, .tp = tp, .P = P, .S = S, .t = t}, lSingle);
    EXPECT_EQ(results.MdEdgeInfSlab, MdInfSlab({.h1 = h1, .k = k, .P = P, .mu = mu, .E1 = E1, .d = d}, aEq));
    EXPECT_EQ(results.MdSecondLayer, MdLayer({.h1 = h1,
                                              .k = k,
                                              .P = P,
                                              .mu = mu,
                                              .E1 = E1,
                                              .E2 = E2,
                                              .h2 = h2,
                                              .layers = LayerCode::TwoLayerBonded},
                                             aEq));
    EXPECT_EQ(results.MdSlabSize, MdSize({.h1 = h1, .L = 150, .k = k, .mu = mu, .E1 = E1}, aEq));
    EXPECT_EQ(
        results.MdWidenedLane,
        MdWidened({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .widened = WidenedFlag::Widened, .d0 = 24}, aEq));
    EXPECT_EQ(results.MdTiedShoulder,
              MdTied({.h1 = h1, .k = k, .mu = mu, .E1 = E1, .tied = TiedCode::Tied, .AGG_kl = 3}, aEq));
    EXPECT_EQ(results.MdCurlStress,
              MdCurl({.L = 150, .k = k, .dT = 20, .alpha = 5.5e-6f, .E1 = E1}, lSingle));
    EXPECT_EQ(results.MdBottomLayerStress, MdBottom({.h1 = h1,
                                                     .k = k,
                                                     .P = P,
                                                     .mu = mu,
                                                     .E1 = E1,
                                                     .E2 = E2,
                                                     .h2 = h2,
                                                     .layers = LayerCode::TwoLayerBonded},
                                                    aEq));
    EXPECT_NE(results.MdSecondLayer, 1.0f);
    EXPECT_NE(results.MdTiedShoulder, 1.0f);
    EXPECT_NE(results.MdWidenedLane, 1.0f);
    EXPECT_NE(results.MdSlabSize, 1.0f);

    const double top = static_cast<double>(results.MdEdgeInfSlab) * results.MdSecondLayer *
                       results.MdSlabSize * results.MdTiedShoulder * results.MdWidenedLane;
    EXPECT_FLOAT_EQ(results.MdTopLayerStress, static_cast<float>(top));
    EXPECT_FLOAT_EQ(results.MdCombinedStress, static_cast<float>(results.MdCurlStress + top));
}

TEST(EdgeStressModel, FaultInTheBottomLayerKeepsTheEarlierFields) {
    EdgeModelInputs in = oneLayerCase();
    in.layers = LayerCode::TwoLayerBonded;
    in.E2 = 0;
    AnalysisResults results = unsetEdgeFields();
    try {
        EdgeStressModel(in, results);
        ADD_FAILURE() << "a second layer without stiffness must fault";
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.routine(), "MdBottom");
    }
    // Without stiffness the second layer carries nothing: the top layer is the slab.
    EXPECT_NEAR(results.MdSecondLayer, 1, 1e-6);
    EXPECT_NE(results.MdEdgeInfSlab, Unset);
    EXPECT_NE(results.MdSlabSize, Unset);
    EXPECT_NE(results.MdTiedShoulder, Unset);
    EXPECT_NE(results.MdWidenedLane, Unset);
    EXPECT_EQ(results.MdCurlStress, 0.0f);
    EXPECT_NE(results.MdTopLayerStress, Unset);
    EXPECT_EQ(results.MdCombinedStress, results.MdTopLayerStress);
    EXPECT_EQ(results.MdBottomLayerStress, Unset);
}
