// SPDX-License-Identifier: Apache-2.0
#include "studies/random_draws.h"

#include <cmath>

namespace korvanex {

namespace {

std::uint64_t rotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

// c[0] + c[1] r + ... + c[7] r^7 by Horner's rule, as the algorithm evaluates its rational functions.
double polynomial(const double (&c)[8], double r) {
    double value = c[7];
    for (int index = 6; index >= 0; --index) {
        value = value * r + c[index];
    }
    return value;
}

// The coefficients of PPND16, row by row: the numerator and the denominator of the central region
// |p - 1/2| <= 0.425, then of the tails for r = sqrt(-log(min(p, 1 - p))) up to 5 and beyond 5.
constexpr double CentralNumerator[8] = {
    3.3871328727963666080e0,  1.3314166789178437745e+2, 1.9715909503065514427e+3, 1.3731693765509461125e+4,
    4.5921953931549871457e+4, 6.7265770927008700853e+4, 3.3430575583588128105e+4, 2.5090809287301226727e+3};
constexpr double CentralDenominator[8] = {1.0,
                                          4.2313330701600911252e+1,
                                          6.8718700749205790830e+2,
                                          5.3941960214247511077e+3,
                                          2.1213794301586595867e+4,
                                          3.9307895800092710610e+4,
                                          2.8729085735721942674e+4,
                                          5.2264952788528545610e+3};
constexpr double NearNumerator[8] = {1.42343711074968357734e0,  4.63033784615654529590e0,
                                     5.76949722146069140550e0,  3.64784832476320460504e0,
                                     1.27045825245236838258e0,  2.41780725177450611770e-1,
                                     2.27238449892691845833e-2, 7.74545014278341407640e-4};
constexpr double NearDenominator[8] = {1.0,
                                       2.05319162663775882187e0,
                                       1.67638483018380384940e0,
                                       6.89767334985100004550e-1,
                                       1.48103976427480074590e-1,
                                       1.51986665636164571966e-2,
                                       5.47593808499534494600e-4,
                                       1.05075007164441684324e-9};
constexpr double FarNumerator[8] = {6.65790464350110377720e0,  5.46378491116411436990e0,
                                    1.78482653991729133580e0,  2.96560571828504891230e-1,
                                    2.65321895265761230930e-2, 1.24266094738807843860e-3,
                                    2.71155556874348757815e-5, 2.01033439929228813265e-7};
constexpr double FarDenominator[8] = {1.0,
                                      5.99832206555887937690e-1,
                                      1.36929880922735805310e-1,
                                      1.48753612908506148525e-2,
                                      7.86869131145613259100e-4,
                                      1.84631831751005468180e-5,
                                      1.42151175831644588870e-7,
                                      2.04426310338993978564e-15};

} // namespace

std::uint64_t splitMix64(std::uint64_t seed, std::uint64_t n) {
    std::uint64_t z = seed + (n + 1) * 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::uint64_t Xoshiro256StarStar::next() {
    const std::uint64_t result = rotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = rotateLeft(state_[3], 45);
    return result;
}

double openUniform(std::uint64_t draw) {
    return (static_cast<double>(draw >> 11) + 0.5) * 0x1.0p-53;
}

double standardNormalQuantile(double p) {
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425) {
        const double r = 0.180625 - q * q;
        return q * polynomial(CentralNumerator, r) / polynomial(CentralDenominator, r);
    }
    const double r = std::sqrt(-std::log(q < 0 ? p : 1 - p));
    const double z = r <= 5 ? polynomial(NearNumerator, r - 1.6) / polynomial(NearDenominator, r - 1.6)
                            : polynomial(FarNumerator, r - 5) / polynomial(FarDenominator, r - 5);
    return q < 0 ? -z : z;
}

} // namespace korvanex
