// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// x^n for n above 2, as integerPower forms it.
double integerPowerAboveSquare(float x, int n);

// x^n for a single-precision x and a whole n from 0 to 4, with the bits std::pow(x, n) returns, at
// the cost of a few multiplications. Up to the square the power is exact in double precision, so pow
// can return nothing else. Beyond it pow is not correctly rounded: close to a halfway point between
// two doubles it may round either way. The product, rounded to nearest, is taken only where it is
// certainly what pow returns; pow is called for the rest, and for any other n.
inline double integerPower(float x, int n) {
    const double z = x;
    switch (n) {
    case 0:
        return 1;
    case 1:
        return z;
    case 2:
        return z * z;
    default:
        return integerPowerAboveSquare(x, n);
    }
}

// x^2 for a double x: the product, rounded once. The compiler makes the same of std::pow(x, 2.0) when
// it optimises, and the C library's pow returns it too.
inline double square(double x) {
    return x * x;
}

} // namespace korvanex
