// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstdint>

namespace korvanex {

// Random numbers whose every bit is fixed by their definition, the same on every build and machine
// with IEEE doubles, so that a simulation gives the same bytes wherever it runs.

// Output n (counted from 0) of the SplitMix64 generator seeded with `seed` (Steele, Lea and Flood,
// "Fast splittable pseudorandom number generators", OOPSLA 2014): the state advances by the golden
// gamma 0x9E3779B97F4A7C15 and each state is mixed into its output, so any output is found directly.
std::uint64_t splitMix64(std::uint64_t seed, std::uint64_t n);

// The xoshiro256** generator (Blackman and Vigna, "Scrambled linear pseudorandom number generators",
// ACM Transactions on Mathematical Software 47, 2021) from a state that is not all zero.
class Xoshiro256StarStar {
  public:
    explicit Xoshiro256StarStar(const std::array<std::uint64_t, 4>& state) : state_(state) {}
    std::uint64_t next();

  private:
    std::array<std::uint64_t, 4> state_;
};

// A uniform number strictly between 0 and 1 from the 53 high bits of a draw: (bits + 1/2) / 2^53.
double openUniform(std::uint64_t draw);

// The standard normal quantile: the z with Phi(z) = p, for 0 < p < 1 (Wichura, "Algorithm AS 241:
// The percentage points of the normal distribution", Applied Statistics 37, 1988, PPND16, about 16
// significant digits).
double standardNormalQuantile(double p);

} // namespace korvanex
