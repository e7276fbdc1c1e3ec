// SPDX-License-Identifier: Apache-2.0
#include "cli/fatigue_command.h"

#include "case/number_text.h"
#include "cli/command_case.h"
#include "cli/command_output.h"
#include "cli/fatigue_traffic.h"
#include "cli/option_table.h"
#include "formats/fatigue_output.h"

namespace korvanex::cli {

namespace {

// A number option: a whole number text within the double range, and above 0 when `positive`.
std::string readNumber(const char* option, const std::optional<std::string>& text, bool positive,
                       double& value) {
    if (!text) {
        return {};
    }
    const std::optional<double> number = finiteNumber(*text);
    if (!number || (positive && !(*number > 0))) {
        return std::string(option) + " takes a number" + (positive ? " greater than 0" : "") + ", not \"" +
               *text + "\"";
    }
    value = *number;
    return {};
}

// A word option: one of the table's words, written as it stands there.
template <typename T, std::size_t N>
std::string readWord(const char* option, const Word<T> (&words)[N], const std::optional<std::string>& text,
                     T& value) {
    if (!text) {
        return {};
    }
    if (const std::optional<T> chosen = valueOf(words, *text)) {
        value = *chosen;
        return {};
    }
    return std::string(option) + " takes " + wordChoices(words) + ", not \"" + *text + "\"";
}

// The settings the fatigue options give; returns the first that is wrong, or empty.
std::string readSettings(const FatigueArguments& arguments, FatigueSettings& settings) {
    if (arguments.csv && arguments.json) {
        return "--csv and --json cannot be given together";
    }
    for (std::string error : {readWord("--model", FatigueModelWords, arguments.model, settings.model),
                              readWord("--stress", FatigueStressWords, arguments.stress, settings.stress)}) {
        if (!error.empty()) {
            return error;
        }
    }
    if (settings.model == FatigueModel::Pca &&
        (arguments.c1 || arguments.c2 || arguments.c4 || arguments.c5)) {
        return "--c1, --c2, --c4 and --c5 apply to the power model only";
    }
    PowerModelConstants& constants = settings.constants;
    for (std::string error :
         {readNumber("--modulus-of-rupture", arguments.modulusOfRupture, true, settings.modulusOfRupture),
          readNumber("--target", arguments.target, true, settings.targetPercent),
          readNumber("--c1", arguments.c1, false, constants.c1),
          readNumber("--c2", arguments.c2, false, constants.c2),
          readNumber("--c4", arguments.c4, false, constants.c4),
          readNumber("--c5", arguments.c5, false, constants.c5)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

// What fatigue cannot do without and neither the options nor the design give, in the order of the
// option table.
std::string missingInput(const FatigueArguments& arguments, const Design& design) {
    if (!arguments.spectrumPath && !design.spectrum) {
        return neededText(*optionNamed("--spectrum"), Command::Fatigue);
    }
    if (!arguments.modulusOfRupture && !design.fatigue) {
        return neededText(*optionNamed("--modulus-of-rupture"), Command::Fatigue);
    }
    return {};
}

// The fatigue settings of the design with the options over them.
std::string readDesignSettings(const FatigueArguments& arguments, Design& design) {
    FatigueSettings settings = design.fatigue.value_or(FatigueSettings{});
    if (std::string error = readSettings(arguments, settings); !error.empty()) {
        return error;
    }
    design.fatigue = settings;
    return {};
}

} // namespace

int fatigueCommand(const CliOptions& options) {
    Design design;
    if (!loadDesign(options, design)) {
        return ExitFailure;
    }
    for (std::string error :
         {missingInput(options.fatigue, design), readDesignSettings(options.fatigue, design)}) {
        if (!error.empty()) {
            return failUsage(error);
        }
    }
    if (!acceptCase(design.record) || !readSpectrumAndTraffic(options, design) ||
        !saveDesign(options, design)) {
        return ExitFailure;
    }
    const FatigueSettings& settings = *design.fatigue;
    const TrafficSpectrum spectrum = buildSpectrum(*design.spectrum, design.record, design.traffic);
    for (const std::string& warning : groupWarnings(spectrum, design.record)) {
        warn(warning);
    }
    const FatigueResult result = computeFatigue(spectrum, settings);
    if (options.fatigue.csv) {
        return writeCommandOutput(options, fatigueCsv(spectrum, result));
    }
    std::optional<RequiredThickness> thickness;
    if (options.fatigue.solveThickness) {
        thickness = solveThickness(spectrum, settings);
    }
    return writeCommandOutput(options, options.fatigue.json
                                           ? fatigueJson(spectrum, settings, result, thickness)
                                           : fatigueTable(spectrum, settings, result, thickness));
}

} // namespace korvanex::cli
