// SPDX-License-Identifier: Apache-2.0
#include "cli/reliability_options.h"

#include "case/number_text.h"

#include <charconv>
#include <limits>
#include <set>

namespace korvanex::cli {

namespace {

std::string readWhole(std::string_view option, const std::optional<std::string>& text, std::uint64_t least,
                      std::uint64_t most, std::string_view requirement, std::uint64_t& value) {
    if (!text) {
        return {};
    }
    std::uint64_t number = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, number);
    if (text->empty() || error != std::errc() || stop != end || number < least || number > most) {
        return std::string(option) + " takes " + std::string(requirement) + ", not " + quoted(*text);
    }
    value = number;
    return {};
}

std::string readReliability(const std::optional<std::string>& text, std::optional<double>& percent) {
    if (!text) {
        return {};
    }
    const std::optional<double> number = finiteNumber(*text);
    if (!number || !acceptsReliabilityPercent(*number)) {
        return "--reliability takes " + std::string(ReliabilityRequirement) + ", not " + quoted(*text);
    }
    percent = number;
    return {};
}

} // namespace

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

std::string readReliabilitySettings(const ReliabilityArguments& arguments, ReliabilitySettings& settings) {
    std::set<std::string> names;
    for (const std::string& text : arguments.scatter) {
        if (std::string error = parseScatter(text, settings); !error.empty()) {
            return "--scatter: " + error;
        }
        if (const std::string name = text.substr(0, text.find('=')); !names.insert(name).second) {
            return "--scatter gives " + name + " more than once";
        }
    }
    for (std::string error :
         {readWhole("--samples", arguments.samples, 1, MaxSamples, SamplesRequirement, settings.samples),
          readWhole("--seed", arguments.seed, 0, std::numeric_limits<std::uint64_t>::max(), SeedRequirement,
                    settings.seed),
          readReliability(arguments.reliability, settings.reliabilityPercent)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

} // namespace korvanex::cli
