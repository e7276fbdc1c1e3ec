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
        return refusedValue(option, requirement, quoted(*text));
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
        return refusedValue("--reliability", ReliabilityRequirement, quoted(*text));
    }
    percent = number;
    return {};
}

} // namespace

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
