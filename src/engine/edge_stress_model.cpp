// SPDX-License-Identifier: Apache-2.0
#include "engine/edge_stress_model.h"

#include "case/fault.h"
#include "engine/layer_section.h"
#include "engine/pi.h"
#include "engine/westergaard.h"
#include "models/integer_power.h"

#include <cmath>

namespace korvanex {

namespace {

// The edge formula carries half the axle load: the wheels of one side.
float halfAxle(const FaultCheck& check, float P) {
    return check.single(P / 2.0, "P / 2");
}

// The spread of a dual wheel pair into one equivalent circle.
double dualFactor(double a0, double S, double l) {
    const double x = S / a0, y = a0 / l, z = S / l;
    return 0.909 + 0.339485 * x - 0.017881 * square(x) + 0.000436 * std::pow(x, 3.0) + 0.103946 * y -
           0.045229 * square(x) * y - 0.301805 * x * std::pow(y, 3.0) + 0.034664 * square(z) +
           0.001 * std::pow(x, 3.0) * y;
}

// The further spread of a dual pair of radius a1 over a tandem axle.
double tandemFactor(const FaultCheck& check, double a1, double t, double l) {
    const double u = check(std::log(t / a1), "ln(t / a1)");
    const double w = check(std::log(a1 / l), "ln(a1 / l)");
    return 2.199479 + 0.548071 * square(u) + 0.74761 * u * w - 0.486597 * square(u) * w -
           0.29507 * std::pow(u, 3.0) - 0.028116 * std::pow(w, 3.0);
}

double tridemFactor(double a0, double S, double t, double l) {
    const double T = t / a0, X = S / a0, y = a0 / l, U = t / l, Z = S / l;
    return 1.542864 + 5.465697 * y + 17.371416 * square(y) + 0.567442 * T - 0.704714 * Z - 2.61563 * U +
           0.087538 * T * X - 0.000359 * T * square(X);
}

// The top-layer stress of the equivalent slab relative to the slab alone, both at the edge.
double layerStress(const FaultCheck& check, const EdgeModelInputs& in, float aEq) {
    EquivalentSection section;
    if (in.layer == LayerType::TwoLayerUnbonded) {
        section = unbondedSection(check, in.h1, in.h2, in.E1, in.E2);
    } else {
        section = bondedSection(check, in.h1, in.h2, in.E1, in.E2).section;
    }
    const float load = halfAxle(check, in.P);
    return section.stressFactor *
           static_cast<double>(WestergaardEdge(load, section.he, in.E1, in.k, aEq, in.mu));
}

bool hasSecondLayer(const EdgeModelInputs& in) {
    return in.layer != LayerType::OneLayer;
}

} // namespace

bool edgeStressModelSupports(GearConfiguration gear) {
    return gear != GearConfiguration::SingleTandem && gear != GearConfiguration::SingleTridem;
}

float MdRadius(const EdgeModelInputs& in, float l) {
    const FaultCheck check("MdRadius");
    const double tireCircles = 2.0 * tiresPerSide(in.gear) * Pi;
    const double a0 = check(std::pow(check(in.P / (in.tp * tireCircles), "P / (tp c_n)"), 0.5), "a0");
    switch (in.gear) {
    case GearConfiguration::DualSingle:
        return check.single(check(dualFactor(a0, in.S, l), "f1") * a0, "a'");
    case GearConfiguration::DualTandem: {
        const double a1 = check(dualFactor(a0, in.S, l) * a0, "a1");
        return check.single(check(tandemFactor(check, a1, in.t, l), "g") * a1, "a'");
    }
    case GearConfiguration::DualTridem:
        return check.single(check(tridemFactor(a0, in.S, in.t, l), "f3") * a0, "a'");
    case GearConfiguration::SingleSingle: // a single wheel keeps the radius of its tire
    case GearConfiguration::SingleTandem: // the model does not run for single-wheel tandems and tridems
    case GearConfiguration::SingleTridem:
        break;
    }
    return check.single(a0, "a'");
}

float MdInfSlab(const EdgeModelInputs& in, float aEq) {
    const FaultCheck check("MdInfSlab");
    const double singleWheel = WestergaardEdge(halfAxle(check, in.P), in.h1, in.E1, in.k, aEq, in.mu);
    const double l = in.l;
    const double r = std::fmin(check(aEq / l, "a' / l"), 0.3);
    const double q = check(in.d / l, "d / l");
    double F = 0;
    if (q < 0.125) {
        F = 1 - (0.2815 - 0.269353 * r) * q / 0.125;
    } else if (q <= 3) {
        F = 0.269353 * r - 0.15743211 + 0.357644 / q - 0.0589073 / square(q) + 0.003486 / std::pow(q, 3.0);
    }
    return check.single((1 + F) * singleWheel, "edge stress infinite slab");
}

float MdLayer(const EdgeModelInputs& in, float aEq) {
    if (!hasSecondLayer(in)) {
        return 1;
    }
    const FaultCheck check("MdLayer");
    const double slabAlone = WestergaardEdge(halfAxle(check, in.P), in.h1, in.E1, in.k, aEq, in.mu);
    return check.single(layerStress(check, in, aEq) / slabAlone, "second layer factor");
}

float MdSize(const EdgeModelInputs& in, float aEq) {
    const FaultCheck check("MdSize");
    const double l = in.l;
    const double r = check(aEq / l, "a' / l");
    const double x = check(in.L / l, "L / l");
    const double S =
        check(0.582282 - 0.533078 * r + 0.181706 * x - 0.019824 * square(x) + 0.109051 * r * x, "S");
    return (x <= 5 && S <= 1) ? check.single(S, "slab size factor") : 1.0f;
}

float MdWidened(const EdgeModelInputs& in, float aEq) {
    if (!in.widenedLane) {
        return 1;
    }
    const FaultCheck check("MdWidened");
    const double l = in.l;
    const double r = check(aEq / l, "a' / l");
    // The wheel runs 18 in from the lane edge.
    const double q = check((in.d0 + 18.0) / l, "(d0 + 18) / l");
    double W = 0;
    if (q < 0.125) {
        W = 1 - (0.440165 - 3.0896 * r + 15.7216 * square(r) - 27.592 * std::pow(r, 3.0)) * q / 0.125;
    } else {
        const double limited = std::fmin(q, 1.5);
        const double rho = r / limited;
        W = 0.013211 / limited + 0.454147 + 0.386201 * rho - 0.24565 * square(rho) +
            0.053891 * std::pow(rho, 3.0);
    }
    return check.single(W, "widened lane factor");
}

float MdTied(const EdgeModelInputs& in, float aEq) {
    if (!in.tiedShoulder) {
        return 1;
    }
    const FaultCheck check("MdTied");
    const double l = in.l;
    const double r = check(aEq / l, "a' / l");
    const double g = in.AGG_kl;
    double T = 0;
    if (g <= 5) {
        T = 1 - 0.025169 * g - 0.086034 * r * g;
    } else {
        const double v = std::log(g);
        T = 0.99864 - 0.51237 * r - 0.0762 * v + 0.00315 * square(v) + 0.015936 * square(r * v);
    }
    return T <= 1 ? check.single(T, "tied shoulder factor") : 1.0f;
}

float MdCurl(const EdgeModelInputs& in, float l) {
    const FaultCheck check("MdCurl");
    const float x0 = check.single(static_cast<double>(in.L) / l, "L / l");
    const float A = in.ADT;
    // Bradbury's coefficient from L / l in single precision and double-precision hyperbolic functions:
    // it differs in its last bits from the one the driver's curling stress uses, so it is formed here.
    const double lambda = x0 / std::sqrt(8.0);
    const double coshLambda = check((std::exp(lambda) + std::exp(-lambda)) / 2, "cosh");
    const double sinhLambda = check((std::exp(lambda) - std::exp(-lambda)) / 2, "sinh");
    const double sinh2Lambda = check(2 * sinhLambda * coshLambda, "sinh 2 lambda");
    const double tanhLambda = check(sinhLambda / coshLambda, "tanh");
    const double ratio = check(2 * std::cos(lambda) * coshLambda / (std::sin(2 * lambda) + sinh2Lambda),
                               "2 cos cosh / (sin + sinh)");
    const double C = check(1 - ratio * (std::tan(lambda) + tanhLambda), "C");
    const double restrained = check(C * in.E1 * in.alpha * in.dT * 0.5, "curling stress");

    const double x = 0.01 * x0;
    const double EkA = static_cast<double>(in.E1) * in.k * A;
    const double F = 1.062 - 0.0157568 * A - 8.76e-05 * in.k - 1.068 * x + 0.387317 * A * x + 1.17e-11 * EkA -
                     1.81e-12 * EkA * A - 1.051e-09 * EkA * square(x) + 1.84e-11 * EkA * A * x -
                     1.7487 * A * square(x) + 3.435123724e-05 * integerPower(A, 3) +
                     86.97 * std::pow(x, 3.0) - 0.008163966238498091 * integerPower(A, 2) * x;
    return check.single(restrained * check(F, "curling factor"), "edge curling stress");
}

float MdBottom(const EdgeModelInputs& in, float aEq) {
    if (!hasSecondLayer(in)) {
        return 0;
    }
    const FaultCheck check("MdBottom");
    float h1x = in.h1, h2x = in.h2;
    if (in.layer == LayerType::TwoLayerBonded) {
        const BondedSection bonded = bondedSection(check, in.h1, in.h2, in.E1, in.E2);
        h1x = bonded.h1e;
        h2x = bonded.h2e;
    }
    const double l2 = relativeStiffness(check, in.E2, h2x, in.k, in.mu);
    const double R = check(1 + check(in.E1 * integerPower(h1x, 3), "E1 h1^3") /
                                   check(in.E2 * integerPower(h2x, 3), "E2 h2^3"),
                           "R");
    const double F = check(0.12565 * check(aEq / l2, "a' / l2") + 0.0137 + 1.06302 / R, "F");
    const double bottomLayer = WestergaardEdge(halfAxle(check, in.P), h2x, in.E2, in.k, aEq, in.mu);
    return check.single(F * bottomLayer, "bottom layer stress");
}

void EdgeStressModel(const EdgeModelInputs& in, AnalysisResults& results) {
    const FaultCheck check("EdgeStressModel");
    const float l = check.single(in.l, "l");
    const float aEq = MdRadius(in, l);

    results.MdEdgeInfSlab = MdInfSlab(in, aEq);
    results.MdSecondLayer = MdLayer(in, aEq);
    results.MdSlabSize = MdSize(in, aEq);
    results.MdWidenedLane = MdWidened(in, aEq);
    results.MdTiedShoulder = MdTied(in, aEq);
    results.MdCurlStress = in.dT != 0 ? MdCurl(in, l) : 0.0f;
    results.MdTopLayerStress =
        check.single(static_cast<double>(results.MdEdgeInfSlab) * results.MdSecondLayer * results.MdSlabSize *
                         results.MdTiedShoulder * results.MdWidenedLane,
                     "top layer stress");
    results.MdCombinedStress =
        check.single(static_cast<double>(results.MdCurlStress) + results.MdTopLayerStress, "combined stress");
    results.MdBottomLayerStress = MdBottom(in, aEq);
}

} // namespace korvanex
