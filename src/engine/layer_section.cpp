// SPDX-License-Identifier: Apache-2.0
#include "engine/layer_section.h"

#include "models/integer_power.h"

#include <cmath>

namespace korvanex {

namespace {

double cube(float x) {
    return integerPower(x, 3);
}

double cubeRoot(const FaultCheck& check, double x, const char* step) {
    return check(std::pow(x, 1.0 / 3), step);
}

} // namespace

EquivalentSection unbondedSection(const FaultCheck& check, float h1, float h2, float E1, float E2) {
    const double modularRatio = check(static_cast<double>(E2) / E1, "E2 / E1");
    EquivalentSection result;
    result.he =
        check.single(cubeRoot(check, cube(h1) + modularRatio * cube(h2), "he (unbonded)"), "he (unbonded)");
    result.stressFactor = check.single(static_cast<double>(h1) / result.he, "h1 / he");
    return result;
}

BondedSection bondedSection(const FaultCheck& check, float h1, float h2, float E1, float E2) {
    const double modularRatio = check(static_cast<double>(E2) / E1, "E2 / E1");
    BondedSection result;
    result.x2 = check.single(0.5 * h1 * (h1 + static_cast<double>(h2)) / (h1 + h2 * modularRatio), "x2");
    result.x1 = check.single(0.5 * (h1 + static_cast<double>(h2)) - result.x2, "x1");
    result.h1e =
        check.single(cubeRoot(check, cube(h1) + 12.0 * h1 * integerPower(result.x1, 2), "h1e"), "h1e");
    result.h2e =
        check.single(cubeRoot(check, cube(h2) + 12.0 * h2 * integerPower(result.x2, 2), "h2e"), "h2e");
    result.section.he = check.single(
        cubeRoot(check, cube(result.h1e) + modularRatio * cube(result.h2e), "he (bonded)"), "he (bonded)");
    const double neutralAxis =
        check((static_cast<double>(E1) * integerPower(h1, 2) / 2 + E2 * h2 * (h1 + h2 / 2.0)) /
                  (static_cast<double>(E1) * h1 + static_cast<double>(E2) * h2),
              "X");
    result.section.stressFactor = check.single(2 * (h1 - neutralAxis) / result.section.he, "2 (h1 - X) / he");
    return result;
}

} // namespace korvanex
