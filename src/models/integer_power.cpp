// SPDX-License-Identifier: Apache-2.0
#include "models/integer_power.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace korvanex {

namespace {

// Whether pow returns the double p nearest an exact power p + r (r the exact remainder, at most half a
// unit in the last place of p). The C library's pow errs by at most 0.54 units in the last place, so
// it returns p whenever p + r lies more than 0.04 units from both halfway points around p; this asks
// for a sixteenth of a unit. At a power of two the halfway point below p lies closer: such p, zero,
// subnormals and infinities are left to pow.
bool powReturns(double p, double r) {
    constexpr std::uint64_t ExponentBits = 0x7ff0'0000'0000'0000;
    constexpr std::uint64_t SignificandBits = 0x000f'ffff'ffff'ffff;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(p);
    const std::uint64_t exponent = bits & ExponentBits;
    if (exponent == 0 || exponent == ExponentBits || (bits & SignificandBits) == 0) {
        return false;
    }
    const double unit = std::bit_cast<double>(exponent) * 0x1p-52;
    return std::fabs(r) < unit * (0.5 - 1.0 / 16);
}

} // namespace

double integerPowerAboveSquare(float x, int n) {
    const double z = x;
    const double square = z * z;
    if (n == 3) {
        const double cube = square * z;
        if (powReturns(cube, std::fma(square, z, -cube))) {
            return cube;
        }
    } else if (n == 4) {
        const double fourth = square * square;
        if (powReturns(fourth, std::fma(square, square, -fourth))) {
            return fourth;
        }
    }
    return std::pow(z, static_cast<double>(n));
}

} // namespace korvanex
