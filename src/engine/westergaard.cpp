// SPDX-License-Identifier: Apache-2.0
#include "engine/westergaard.h"

#include "case/fault.h"
#include "engine/pi.h"
#include "models/integer_power.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace korvanex {

namespace {

constexpr double TwoPi = 6.2831853; // kept as its own constant, not formed from Pi
constexpr double EulerGamma = 0.577215664901;

double formRelativeStiffness(const FaultCheck& check, float E, float h, float k, float mu) {
    const double h3 = check(integerPower(h, 3), "h^3");
    const double stiffness = check(static_cast<double>(E) * h3, "E h^3");
    const double mu2 = check(integerPower(mu, 2), "mu^2");
    const double support = check(12.0 * (1.0 - mu2) * k, "12 (1 - mu^2) k");
    const double ratio = check(stiffness / support, "E h^3 / (12 (1 - mu^2) k)");
    return check(std::pow(ratio, 0.25), "l");
}

// The radius last formed on this thread, and the bits of the slab values it was formed from.
struct LastRadius {
    std::array<std::uint32_t, 4> slab{};
    double l = 0;
    bool formed = false;
};

} // namespace

// One analysis asks for the radius of the same slab several times (each closed form, the driver,
// the edge model), so the radius last formed on this thread is kept. A fault keeps nothing: the same
// slab asked for again faults again, under the routine that asks.
double relativeStiffness(const FaultCheck& check, float E, float h, float k, float mu) {
    thread_local LastRadius last;
    const std::array<std::uint32_t, 4> slab = {
        std::bit_cast<std::uint32_t>(E), std::bit_cast<std::uint32_t>(h), std::bit_cast<std::uint32_t>(k),
        std::bit_cast<std::uint32_t>(mu)};
    if (!last.formed || slab != last.slab) {
        last.l = formRelativeStiffness(check, E, h, k, mu);
        last.slab = slab;
        last.formed = true;
    }
    return last.l;
}

float WestergaardInterior(float P, float h, float E, float k, float a, float mu) {
    const FaultCheck check("WestergaardInterior");
    const double l = relativeStiffness(check, E, h, k, mu);
    const double h2 = check(integerPower(h, 2), "h^2");
    const double factor = check((mu + 1.0) * (3.0 / TwoPi) * P / h2, "3 (1 + mu) P / (2 pi h^2)");
    const double logTerm = check(std::log(check(2 * l / a, "2 l / a")), "ln(2 l / a)");
    const double correction = check(Pi / 32 * square(check(a / l, "a / l")), "(pi / 32) (a / l)^2");
    const double bracket = check(logTerm - EulerGamma + 0.5 + correction, "bracket");
    return check.single(factor * bracket, "interior stress");
}

float WestergaardEdge(float P, float h, float E, float k, float a, float mu) {
    const FaultCheck check("WestergaardEdge");
    const double l = relativeStiffness(check, E, h, k, mu);
    const double h2 = check(integerPower(h, 2), "h^2");
    const double factor =
        check(3.0 * (1.0 + mu) * P / (h2 * Pi * (mu + 3.0)), "3 (1 + mu) P / (pi (3 + mu) h^2)");
    const double h3 = check(integerPower(h, 3), "h^3");
    const double a4 = check(integerPower(a, 4), "a^4");
    const double logArgument = check(E * h3 / (a4 * (100.0 * k)), "E h^3 / (100 k a^4)");
    const double logTerm = check(std::log(logArgument), "ln(E h^3 / (100 k a^4))");
    const double radiusTerm = check(a / l, "a / l") * (1.18 * (2.0 * mu + 1.0));
    const double bracket = check(logTerm + 1.84 - mu * 4.0 / 3.0 + (1.0 - mu) / 2.0 + radiusTerm, "bracket");
    return check.single(factor * bracket, "edge stress");
}

float WestergaardCorner(float P, float h, float E, float k, float a, float mu) {
    const FaultCheck check("WestergaardCorner");
    const double l = relativeStiffness(check, E, h, k, mu);
    const double h2 = check(integerPower(h, 2), "h^2");
    const double factor = check(3.0 * P / h2, "3 P / h^2");
    const double radius = check(std::sqrt(2.0) * a / l, "sqrt(2) a / l");
    const double bracket = check(1.0 - std::pow(radius, 0.6), "1 - (sqrt(2) a / l)^0.6");
    return check.single(factor * bracket, "corner stress");
}

float HypCos(float x) {
    const FaultCheck check("HypCos");
    return check.single((std::exp(static_cast<double>(x)) + std::exp(-static_cast<double>(x))) / 2, "cosh");
}

float HypSin(float x) {
    const FaultCheck check("HypSin");
    return check.single((std::exp(static_cast<double>(x)) - std::exp(-static_cast<double>(x))) / 2, "sinh");
}

float HypTan(float x) {
    const FaultCheck check("HypTan");
    return check.single(static_cast<double>(HypSin(x)) / HypCos(x), "tanh");
}

float WestergaardEdgeCurl(float E, float alpha, float dT, float L, float h, float k, float mu) {
    const FaultCheck check("WestergaardEdgeCurl");
    const float l = check.single(relativeStiffness(check, E, h, k, mu), "l");
    const float lambda = check.single(L / (static_cast<double>(l) * std::sqrt(8.0)), "lambda");
    const double restrained = check(static_cast<double>(E) * alpha * dT / 2, "E alpha dT / 2");

    // On a long, flexible slab sinh 2 lambda leaves the single range while the bracket of C has long
    // vanished below single precision: C is then its long-slab limit, 1.
    const double twoLambda = static_cast<double>(lambda + lambda);
    if ((std::exp(twoLambda) - std::exp(-twoLambda)) / 2 >= 0x1.ffffffp127) {
        return check.single(restrained, "edge curling stress");
    }

    const double coshLambda = HypCos(lambda);
    const double numerator = check(2.0 * std::cos(static_cast<double>(lambda)) * coshLambda, "2 cos cosh");
    const double denominator = check(std::sin(twoLambda) + HypSin(lambda + lambda), "sin 2l + sinh 2l");
    const double ratio = check(numerator / denominator, "2 cos cosh / (sin 2l + sinh 2l)");
    const double tangents = check(std::tan(static_cast<double>(lambda)) + HypTan(lambda), "tan + tanh");
    const double C = check(1.0 - ratio * tangents, "C");
    return check.single(C * restrained, "edge curling stress");
}

} // namespace korvanex
