// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/case_words.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvanex {

// The inputs whose scatter a reliability study draws: the slab thickness h1, its modulus E1, the
// subgrade modulus k, the modulus of rupture MR, a multiplier on every group's temperature
// differential (F) and one on all repetitions (traffic).
enum class ScatterInput { H1, E1, K, ModulusOfRupture, TemperatureDifferential, Traffic };
inline constexpr std::size_t ScatterInputCount = 6;
inline constexpr Word<ScatterInput> ScatterInputWords[] = {{"h1", ScatterInput::H1},
                                                           {"E1", ScatterInput::E1},
                                                           {"k", ScatterInput::K},
                                                           {"MR", ScatterInput::ModulusOfRupture},
                                                           {"F", ScatterInput::TemperatureDifferential},
                                                           {"traffic", ScatterInput::Traffic}};

enum class ScatterDistribution { Lognormal, Normal };
inline constexpr Word<ScatterDistribution> ScatterDistributionWords[] = {
    {"lognormal", ScatterDistribution::Lognormal}, {"normal", ScatterDistribution::Normal}};

// The scatter of one input about the case's own value: its coefficient of variation (a fraction,
// 0.15 for 15 %; 0 for none) and its distribution.
struct Scatter {
    double cov = 0;
    ScatterDistribution distribution = ScatterDistribution::Lognormal;
};

inline constexpr std::uint64_t DefaultSamples = 10000;

// What each setting must be, and as messages say it. A coefficient of variation of at most 2 keeps a
// percentage typed for a fraction from passing.
bool acceptsCov(double cov);
inline constexpr std::string_view CovRequirement = "a number from 0 to 2";
inline constexpr std::uint64_t MaxSamples = 10000000;
inline constexpr std::string_view SamplesRequirement = "a whole number from 1 to 10000000";
inline constexpr std::string_view SeedRequirement = "a whole number from 0 to 18446744073709551615";
bool acceptsReliabilityPercent(double percent);
inline constexpr std::string_view ReliabilityRequirement = "a number greater than 0 and at most 100";

// What a reliability study draws and how many times, and the reliability a thickness is sought for.
struct ReliabilitySettings {
    std::array<Scatter, ScatterInputCount> scatter{}; // by ScatterInput
    std::uint64_t samples = DefaultSamples;
    std::uint64_t seed = 1;
    std::optional<double> reliabilityPercent; // greater than 0 and at most 100

    Scatter& of(ScatterInput input) { return scatter[static_cast<std::size_t>(input)]; }
    const Scatter& of(ScatterInput input) const { return scatter[static_cast<std::size_t>(input)]; }
};

// Reads NAME=COV[:DISTRIBUTION] into the settings: NAME an input's word (ScatterInputWords, as written
// there), COV a number from 0 to 2, DISTRIBUTION lognormal or normal (lognormal when not given).
// Returns an empty string on success, otherwise what is wrong with the text.
std::string parseScatter(std::string_view text, ReliabilitySettings& settings);

// The factors of one sample, by ScatterInput: each input's sampled value over the case's own value,
// 1 for an input without scatter.
using SampleFactors = std::array<double, ScatterInputCount>;

// The factors of sample `sample` (counted from 0). Each scattered input of each sample draws from a
// generator of its own, xoshiro256** whose state is the SplitMix64 outputs 4j to 4j + 3 of the seed,
// j = 6 x sample + input: a sample's draws do not depend on which samples are computed, or where,
// or on the scatter of the other inputs. A standard normal z = standardNormalQuantile(openUniform(draw))
// gives the factor:
//   lognormal: exp(s z - s^2 / 2), s^2 = ln(1 + COV^2), whose mean is 1 and coefficient of variation COV;
//   normal: 1 + COV z, drawn again while it is 0 or less (a value must be positive), which raises the
//     mean by COV phi(1/COV) / Phi(1/COV): 3.3E-5 at a COV of 0.25, 0.028 at 0.5.
SampleFactors sampleFactors(const ReliabilitySettings& settings, std::uint64_t sample);

} // namespace korvanex
