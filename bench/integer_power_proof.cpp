// SPDX-License-Identifier: Apache-2.0
// The proof that integerPower returns the bits of std::pow: every finite single-precision value, raised
// to each power from 0 to 4 both ways, compared bit for bit. A few minutes on two cores; it also counts
// the values whose plain product, rounded to nearest, differs from pow, which integerPower must catch.
//
// Usage: integer_power_proof [THREADS]

#include "models/integer_power.h"

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using namespace korvanex;

namespace {

constexpr int Powers = 5;

struct Counts {
    std::uint64_t values = 0;
    std::uint64_t mismatches[Powers] = {};
    std::uint64_t plainProductOff[Powers] = {};
};

// The cube or the fourth power as a product rounded to nearest; below the cube integerPower is the product.
double plainProduct(float x, int n) {
    const double z = x;
    return n < 3 ? integerPower(x, n) : n == 3 ? z * z * z : (z * z) * (z * z);
}

void check(std::uint64_t first, std::uint64_t last, Counts& counts) {
    for (std::uint64_t pattern = first; pattern < last; ++pattern) {
        const float x = std::bit_cast<float>(static_cast<std::uint32_t>(pattern));
        if (!std::isfinite(x)) {
            continue;
        }
        ++counts.values;
        for (int n = 0; n < Powers; ++n) {
            const double expected = std::pow(static_cast<double>(x), static_cast<double>(n));
            const auto bits = std::bit_cast<std::uint64_t>(expected);
            if (std::bit_cast<std::uint64_t>(integerPower(x, n)) != bits) {
                ++counts.mismatches[n];
                if (counts.mismatches[n] <= 5) {
                    std::printf("x = %a, n = %d: integerPower %a, pow %a\n", x, n, integerPower(x, n),
                                expected);
                }
            }
            if (std::bit_cast<std::uint64_t>(plainProduct(x, n)) != bits) {
                ++counts.plainProductOff[n];
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const unsigned threads = argc > 1 ? static_cast<unsigned>(std::atoi(argv[1])) : 2;
    constexpr std::uint64_t Patterns = std::uint64_t{1} << 32;
    std::vector<Counts> counts(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t) {
        workers.emplace_back(check, Patterns * t / threads, Patterns * (t + 1) / threads,
                             std::ref(counts[t]));
    }
    Counts total;
    for (unsigned t = 0; t < threads; ++t) {
        workers[t].join();
        total.values += counts[t].values;
        for (int n = 0; n < Powers; ++n) {
            total.mismatches[n] += counts[t].mismatches[n];
            total.plainProductOff[n] += counts[t].plainProductOff[n];
        }
    }
    std::printf("%llu finite single-precision values\n", static_cast<unsigned long long>(total.values));
    bool identical = true;
    for (int n = 0; n < Powers; ++n) {
        std::printf("x^%d: integerPower differs from pow for %llu, the plain product for %llu\n", n,
                    static_cast<unsigned long long>(total.mismatches[n]),
                    static_cast<unsigned long long>(total.plainProductOff[n]));
        identical = identical && total.mismatches[n] == 0;
    }
    return identical ? 0 : 1;
}
