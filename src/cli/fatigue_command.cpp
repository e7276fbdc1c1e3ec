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

// A number option: a whole number text within the double range, above 0 or below 0.
std::string readNumber(const std::string& option, const std::optional<std::string>& text, bool positive,
                       double& value) {
    if (!text) {
        return {};
    }
    const std::optional<double> number = finiteNumber(*text);
    if (!number || !(positive ? *number > 0 : *number < 0)) {
        return refusedValue(option, signRequirement(positive), quoted(*text));
    }
    value = *number;
    return {};
}

// The constants of the power model, each by its rule.
std::string readConstants(const FatigueArguments& arguments, PowerModelConstants& constants) {
    const std::optional<std::string>* const texts[] = {&arguments.c1, &arguments.c2, &arguments.c4,
                                                       &arguments.c5};
    static_assert(std::size(texts) == std::size(PowerConstantRules));
    for (std::size_t index = 0; index < std::size(texts); ++index) {
        const PowerConstantRule& rule = PowerConstantRules[index];
        if (std::string error = readNumber(std::string("--") + rule.name, *texts[index], rule.positive,
                                           constants.*rule.value);
            !error.empty()) {
            return error;
        }
    }
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
    return refusedValue(option, choicesText(words), quoted(*text));
}

// The settings the fatigue options give; returns the first that is wrong, or empty.
std::string readSettings(const FatigueArguments& arguments, bool json, FatigueSettings& settings) {
    if (arguments.csv && json) {
        return "--csv and --json cannot be given together";
    }
    if (arguments.csv && arguments.solveThickness) {
        return "--csv and --solve-thickness cannot be given together: the CSV holds the load groups only";
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
    for (std::string error :
         {readNumber("--modulus-of-rupture", arguments.modulusOfRupture, true, settings.modulusOfRupture),
          readNumber("--target", arguments.target, true, settings.targetPercent),
          readConstants(arguments, settings.constants)}) {
        if (!error.empty()) {
            return error;
        }
    }
    return {};
}

// What the command cannot do without and neither the options nor the design give, in the order of
// the option table.
std::string missingInput(const CliOptions& options, const Design& design) {
    if (!options.fatigue.spectrumPath && !design.spectrum) {
        return neededText(*optionNamed("--spectrum"), options.command);
    }
    if (!options.fatigue.modulusOfRupture && !design.fatigue) {
        return neededText(*optionNamed("--modulus-of-rupture"), options.command);
    }
    return {};
}

// The fatigue settings of the design with the options over them.
std::string readDesignSettings(const FatigueArguments& arguments, bool json, Design& design) {
    FatigueSettings settings = design.fatigue.value_or(FatigueSettings{});
    if (std::string error = readSettings(arguments, json, settings); !error.empty()) {
        return error;
    }
    design.fatigue = settings;
    return {};
}

bool computed(const GroupDamage& damage) {
    return damage.status == GroupDamage::Status::Ok;
}

} // namespace

int loadFatigueDesign(const CliOptions& options, Design& design, TrafficSpectrum& spectrum,
                      const DesignReader& readMore) {
    if (!loadDesign(options, design)) {
        return ExitFailure;
    }
    for (std::string error :
         {missingInput(options, design), readDesignSettings(options.fatigue, options.json, design),
          readMore ? readMore(options, design) : std::string()}) {
        if (!error.empty()) {
            return failUsage(error);
        }
    }
    if (!acceptCase(design.record) || !readSpectrumAndTraffic(options, design) ||
        !saveDesign(options, design)) {
        return ExitFailure;
    }
    spectrum = buildSpectrum(*design.spectrum, design.record, design.traffic);
    for (const std::string& warning : groupWarnings(spectrum, design.record)) {
        warn(warning);
    }
    return ExitSuccess;
}

int fatigueCommand(const CliOptions& options) {
    Design design;
    TrafficSpectrum spectrum;
    if (const int status = loadFatigueDesign(options, design, spectrum); status != ExitSuccess) {
        return status;
    }
    const FatigueSettings& settings = *design.fatigue;
    const FatigueResult result = computeFatigue(spectrum, settings);
    for (const std::string& warning : fatigueWarnings(spectrum, settings, result)) {
        warn(warning);
    }
    std::optional<RequiredThickness> thickness;
    if (options.fatigue.solveThickness) {
        thickness = solveThickness(spectrum, settings);
    }
    const int status =
        writeCommandOutput(options, options.fatigue.csv ? fatigueCsv(spectrum, result)
                                    : options.json      ? fatigueJson(spectrum, settings, result, thickness)
                                                   : fatigueTable(spectrum, settings, result, thickness));
    if (status == ExitSuccess && std::none_of(result.groups.begin(), result.groups.end(), computed)) {
        fail("no load group could be computed");
        return ExitFault;
    }
    return status;
}

} // namespace korvanex::cli
