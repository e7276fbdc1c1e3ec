// SPDX-License-Identifier: Apache-2.0
#include "studies/scatter.h"

#include "case/number_text.h"
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

std::string parseScatter(std::string_view text, ReliabilitySettings& settings) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return quoted(text) + " is not NAME=COV[:lognormal|normal]";
    }
    const std::string_view name = text.substr(0, equals);
    const std::optional<ScatterInput> input = valueOf(ScatterInputWords, name);
    if (!input) {
        return quoted(name) + " cannot be scattered; the inputs are " + choicesText(ScatterInputWords);
    }
    const std::string_view rest = text.substr(equals + 1);
    const std::size_t colon = rest.find(':');
    const std::string_view cov = rest.substr(0, colon);
    Scatter scatter;
    const std::optional<double> number = finiteNumber(cov);
    if (!number || !acceptsCov(*number)) {
        return "the coefficient of variation of " + std::string(name) + " must be " +
               std::string(CovRequirement) + ", not " + quoted(cov);
    }
    scatter.cov = *number;
    if (colon != std::string_view::npos) {
        const std::string_view distribution = rest.substr(colon + 1);
        const std::optional<ScatterDistribution> chosen = valueOf(ScatterDistributionWords, distribution);
        if (!chosen) {
            return "the distribution of " + std::string(name) + " must be " +
                   choicesText(ScatterDistributionWords) + ", not " + quoted(distribution);
        }
        scatter.distribution = *chosen;
    }
    settings.of(*input) = scatter;
    return {};
}

} // namespace korvanex
