// SPDX-License-Identifier: Apache-2.0
#include "cli/fatigue_traffic.h"

#include "case/number_text.h"
#include "cli/command_output.h"
#include "io/file_access.h"

#include <fstream>

namespace korvanex::cli {

namespace {

// The traffic options in the order of trafficInputs(); those without a default must be given.
struct TrafficOption {
    std::string_view name;
    std::optional<std::string> FatigueArguments::*text;
    bool required;
};

constexpr TrafficOption trafficOptions[] = {
    {"--adtt", &FatigueArguments::adtt, true},   {"--growth", &FatigueArguments::growth, true},
    {"--years", &FatigueArguments::years, true}, {"--directional", &FatigueArguments::directional, false},
    {"--lane", &FatigueArguments::lane, false},
};

std::string readSpectrumFile(const std::string& path, SpectrumCells& cells) {
    std::ifstream in;
    if (std::string error = openInputFile(path, in); !error.empty()) {
        return error;
    }
    const std::string error = readSpectrumCells(in, cells);
    return error.empty() ? error : path + ": " + error;
}

CountColumn countColumnOf(const SpectrumCells& cells) {
    std::vector<const CaseColumn*> columns;
    CountColumn count = CountColumn::Repetitions;
    readSpectrumHeader(cells.header, columns, count);
    return count;
}

// "--adtt", "--adtt and --years", "--adtt, --growth and --years".
std::string listed(const std::vector<std::string_view>& names) {
    std::string text;
    for (std::size_t index = 0; index < names.size(); ++index) {
        text += index == 0 ? "" : index + 1 == names.size() ? " and " : ", ";
        text += names[index];
    }
    return text;
}

std::string refuseTrafficOptions(const FatigueArguments& arguments) {
    for (const TrafficOption& option : trafficOptions) {
        if (arguments.*option.text) {
            return std::string(option.name) +
                   " applies to a spectrum with a per_1000_trucks column, not repetitions";
        }
    }
    return {};
}

// The design's traffic, if any, with the options given over it.
std::string readTraffic(const FatigueArguments& arguments, std::optional<TrafficSettings>& traffic) {
    TrafficSettings settings = traffic.value_or(TrafficSettings{});
    std::vector<std::string_view> missing;
    for (std::size_t index = 0; index < std::size(trafficOptions); ++index) {
        const TrafficOption& option = trafficOptions[index];
        const TrafficInput& input = trafficInputs()[index];
        const std::optional<std::string>& text = arguments.*option.text;
        if (!text) {
            if (option.required && !traffic) {
                missing.push_back(option.name);
            }
            continue;
        }
        const std::optional<double> number = finiteNumber(*text);
        if (!number || !input.accepts(*number)) {
            return refusedValue(option.name, input.requirement, quoted(*text));
        }
        settings.*input.member = *number;
    }
    if (!missing.empty()) {
        return "the per_1000_trucks column needs " + listed(missing);
    }
    traffic = settings;
    return {};
}

} // namespace

bool readSpectrumAndTraffic(const CliOptions& options, Design& design) {
    if (options.fatigue.spectrumPath) {
        SpectrumCells cells;
        if (std::string error = readSpectrumFile(*options.fatigue.spectrumPath, cells); !error.empty()) {
            fail(error);
            return false;
        }
        design.spectrum = std::move(cells);
    }
    std::string error;
    if (countColumnOf(*design.spectrum) == CountColumn::Repetitions) {
        design.traffic.reset();
        error = refuseTrafficOptions(options.fatigue);
    } else {
        error = readTraffic(options.fatigue, design.traffic);
    }
    if (!error.empty()) {
        failUsage(error);
        return false;
    }
    return true;
}

} // namespace korvanex::cli
