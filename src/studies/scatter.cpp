// SPDX-License-Identifier: Apache-2.0
#include "studies/scatter.h"

#include "studies/random_draws.h"

#include <cmath>

namespace korvanex {

namespace {

double standardNormal(Xoshiro256StarStar& generator) {
    return standardNormalQuantile(openUniform(generator.next()));
}

double factorOf(const Scatter& scatter, Xoshiro256StarStar& generator) {
    if (scatter.distribution == ScatterDistribution::Lognormal) {
        const double variance = std::log1p(scatter.cov * scatter.cov);
        return std::exp(std::sqrt(variance) * standardNormal(generator) - variance / 2);
    }
    double factor = 0;
    while (!(factor > 0)) {
        factor = 1 + scatter.cov * standardNormal(generator);
    }
    return factor;
}

} // namespace

bool acceptsCov(double cov) {
    return cov >= 0 && cov <= 2;
}

bool acceptsReliabilityPercent(double percent) {
    return percent > 0 && percent <= 100;
}

SampleFactors sampleFactors(const ReliabilitySettings& settings, std::uint64_t sample) {
    SampleFactors factors;
    for (std::size_t input = 0; input < ScatterInputCount; ++input) {
        const Scatter& scatter = settings.scatter[input];
        factors[input] = 1;
        if (scatter.cov > 0) {
            const std::uint64_t first = 4 * (ScatterInputCount * sample + input);
            Xoshiro256StarStar generator(
                {splitMix64(settings.seed, first), splitMix64(settings.seed, first + 1),
                 splitMix64(settings.seed, first + 2), splitMix64(settings.seed, first + 3)});
            factors[input] = factorOf(scatter, generator);
        }
    }
    return factors;
}

} // namespace korvanex
