// SPDX-License-Identifier: Apache-2.0
// integerPower against std::pow, bit for bit. Where a cube or a fourth power falls on or next to a
// halfway point between two doubles, pow and the product rounded to nearest part ways: significands of
// 14 to 18 bits give such powers of about 54 bits. A stride through every finite single-precision
// value covers the rest (bench/integer_power_proof runs through all of them).

#include "models/integer_power.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

using namespace korvanex;

namespace {

double powOf(float x, int n) {
    return std::pow(static_cast<double>(x), static_cast<double>(n));
}

// Counts the values whose power differs from pow's, reporting the first few.
struct Mismatches {
    int count = 0;

    void check(float x, int n) {
        const double expected = powOf(x, n);
        if (std::bit_cast<std::uint64_t>(integerPower(x, n)) != std::bit_cast<std::uint64_t>(expected) &&
            ++count <= 5) {
            ADD_FAILURE() << std::hexfloat << x << " ^ " << n << ": " << integerPower(x, n)
                          << " where pow gives " << expected;
        }
    }
};

} // namespace

TEST(IntegerPower, CubesAndFourthPowersNearHalfwayPointsAreThoseOfPow) {
    for (const auto& [n, bits] : {std::pair{3, 18}, std::pair{4, 14}}) {
        Mismatches mismatches;
        int plainProductOff = 0;
        for (std::uint32_t fraction = 0; fraction < (1u << (bits - 1)); ++fraction) {
            const float x = 1.0f + std::ldexp(static_cast<float>(fraction), 1 - bits);
            for (const float scaled : {x, -x * 0x1p-20f, x * 0x1p30f}) {
                mismatches.check(scaled, n);
                const double square = static_cast<double>(scaled) * scaled;
                plainProductOff += (n == 3 ? square * scaled : square * square) != powOf(scaled, n);
            }
        }
        EXPECT_EQ(mismatches.count, 0) << "n = " << n;
        // The values have teeth: the product alone is not what pow returns for some of them.
        EXPECT_GT(plainProductOff, 0) << "n = " << n;
    }
}

TEST(IntegerPower, EveryPowerAlongAStrideThroughAllSingleValues) {
    Mismatches mismatches;
    for (std::uint64_t pattern = 0; pattern < (std::uint64_t{1} << 32); pattern += 9973) {
        const float x = std::bit_cast<float>(static_cast<std::uint32_t>(pattern));
        if (std::isfinite(x)) {
            for (int n = 0; n <= 4; ++n) {
                mismatches.check(x, n);
            }
        }
    }
    EXPECT_EQ(mismatches.count, 0);
}
