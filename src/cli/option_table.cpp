// SPDX-License-Identifier: Apache-2.0
#include "cli/option_table.h"

#include "case/case_words.h"
#include "case/number_text.h"
#include "cli/sweep_range.h"
#include "studies/batch.h"

#include <algorithm>
#include <charconv>

namespace korvanex::cli {

namespace {

// Where a member lives: in the options themselves or in the fatigue, plate or reliability arguments
// among them.
template <auto member> auto& memberOf(CliOptions& options) {
    if constexpr (requires { options.*member; }) {
        return options.*member;
    } else if constexpr (requires { options.fatigue.*member; }) {
        return options.fatigue.*member;
    } else if constexpr (requires { options.plate.*member; }) {
        return options.plate.*member;
    } else {
        return options.reliability.*member;
    }
}

template <auto member> std::string setFlag(std::string_view, const std::string&, CliOptions& options) {
    memberOf<member>(options) = true;
    return {};
}

template <auto member> std::string keepText(std::string_view, const std::string& value, CliOptions& options) {
    memberOf<member>(options) = value;
    return {};
}

// A file name: any text but an empty one, which names no file.
template <auto member>
std::string readFileName(std::string_view option, const std::string& value, CliOptions& options) {
    if (value.empty()) {
        return refusedValue(option, "a file name", quoted(value));
    }
    memberOf<member>(options) = value;
    return {};
}

template <auto member> std::string addText(std::string_view, const std::string& value, CliOptions& options) {
    memberOf<member>(options).push_back(value);
    return {};
}

template <auto member>
std::string readYesNo(std::string_view option, const std::string& value, CliOptions& options) {
    std::optional<bool>& target = memberOf<member>(options);
    target = parseYesNo(value);
    if (!target) {
        return refusedValue(option, "yes or no", quoted(value));
    }
    return {};
}

template <auto member, const auto& words>
std::string readChoice(std::string_view option, const std::string& value, CliOptions& options) {
    const auto chosen = valueOf(words, value);
    if (!chosen) {
        return refusedValue(option, choicesText(words), quoted(value));
    }
    memberOf<member>(options) = *chosen;
    return {};
}

template <auto member>
std::string readPositive(std::string_view option, const std::string& value, CliOptions& options) {
    const std::optional<double> number = finiteNumber(value);
    if (!number || !(*number > 0)) {
        return refusedValue(option, signRequirement(true), quoted(value));
    }
    memberOf<member>(options) = value;
    return {};
}

std::string readRange(std::string_view option, const std::string& value, CliOptions& options) {
    SweepRange range;
    if (std::string error = parseSweepRange(value, range); !error.empty()) {
        return std::string(option) + ": " + error;
    }
    options.vary = range;
    return {};
}

std::string readJobs(std::string_view option, const std::string& value, CliOptions& options) {
    unsigned count = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, count);
    if (value.empty() || error != std::errc() || stop != end || count < 1 || count > MaxBatchJobs) {
        return refusedValue(option, jobsRequirement(), quoted(value));
    }
    options.jobs = count;
    return {};
}

using enum Command;

// The commands that compute the case of a case file with the settings such a file does not hold.
constexpr CommandSet caseCommands = {Report, Json, Sweep, Plan, Fatigue, Reliability, Plate};
constexpr CommandSet fatigueOnly = {Fatigue};
// The commands that compute the fatigue of a spectrum, and reliability alone.
constexpr CommandSet fatigueCommands = {Fatigue, Reliability};
constexpr CommandSet reliabilityOnly = {Reliability};
constexpr CommandSet plateOnly = {Plate};

constexpr RefusalFor rowGivesTheCase = {{Batch}, Refusal::EachRowGivesTheCase};
constexpr RefusalFor csvHoldsEveryFactor = {{Batch, Sweep}, Refusal::CsvHoldsEveryFactor};
constexpr RefusalFor verifyTakesNothing = {{Verify}, Refusal::TakesNothing};

// In the order of the help, which is also the order in which they are checked against the command.
constexpr OptionRow options[] = {
    {.name = "--metric",
     .read = setFlag<&CliOptions::metric>,
     .commands = caseCommands,
     .refusals = {rowGivesTheCase, verifyTakesNothing},
     .heading = "Options:",
     .help = "start from the metric defaults instead of the English ones"},
    {.name = "--detailed",
     .read = setFlag<&CliOptions::detailed>,
     .commands = {Report, Json},
     .refusals = {csvHoldsEveryFactor, verifyTakesNothing},
     .help = "add the detailed section (adjustment factors) to the report"},
    {.name = "--transverse-spacing",
     .value = "TEXT",
     .read = keepText<&CliOptions::transverseSpacing>,
     .commands = caseCommands,
     .refusals = {rowGivesTheCase, verifyTakesNothing},
     .inDesign = true,
     .help = "transverse wheel spacing d, in the case's units"},
    {.name = "--tied-shoulder",
     .value = "yes|no",
     .read = readYesNo<&CliOptions::tiedShoulder>,
     .commands = caseCommands,
     .refusals = {rowGivesTheCase, verifyTakesNothing},
     .inDesign = true,
     .help = "tied concrete shoulder (default no)"},
    {.name = "--widened-lane",
     .value = "yes|no",
     .read = readYesNo<&CliOptions::widenedLane>,
     .commands = caseCommands,
     .refusals = {rowGivesTheCase, verifyTakesNothing},
     .inDesign = true,
     .help = "widened outer lane (default no)"},
    {.name = "--design",
     .value = "FILE.kvx",
     .read = keepText<&CliOptions::designPath>,
     .commands = caseCommands,
     .refusals = {rowGivesTheCase, verifyTakesNothing},
     .help = "a design file in place of CASE.DEF: the case and every\n"
             "setting it holds; the options given override it"},
    {.name = "--save-design",
     .value = "FILE.kvx",
     .read = keepText<&CliOptions::saveDesignPath>,
     .commands = {Report, Json, Plan, Fatigue, Reliability},
     .refusals = {rowGivesTheCase, verifyTakesNothing},
     .help = "also write the design file of everything the command was\n"
             "given (report, json, plan, fatigue, reliability)"},
    {.name = "--vary",
     .value = "FIELD=FROM:TO:STEPS",
     .read = readRange,
     .commands = {Sweep},
     .requiredBy = {Sweep},
     .refusals = {verifyTakesNothing},
     .help = "sweep: STEPS points from FROM to TO, both included, of the\n"
             "numeric field FIELD (P, tp, S, t, d, h1, h2, E1, E2, mu1, r1,\n"
             "L, W, k, AGG, d0, F, alp), in the case's units"},
    {.name = "--output",
     .value = "FILE",
     .read = readFileName<&CliOptions::outputPath>,
     .commands = {Report, Json, Batch, Sweep, Plan, Fatigue, Reliability, Plate},
     .refusals = {verifyTakesNothing},
     .help = "write to FILE instead of printing"},
    {.name = "--json",
     .read = setFlag<&CliOptions::json>,
     .commands = {Fatigue, Reliability, Plate},
     .refusals = {verifyTakesNothing},
     .help = "fatigue, reliability, plate: everything as JSON (psi, inches)"},
    {.name = "--jobs",
     .value = "N",
     .read = readJobs,
     .commands = {Batch, Reliability},
     .help = "batch: compute the rows on N threads (default: one per core);\n"
             "the output is the same for any N\n"
             "reliability: the samples, likewise"},
    {.name = "--spectrum",
     .value = "FILE.csv",
     .read = readFileName<&FatigueArguments::spectrumPath>,
     .commands = fatigueCommands,
     .requiredBy = fatigueCommands,
     .inDesign = true,
     .heading = "Fatigue options:",
     .help = "the load groups: batch columns (but units) and repetitions"},
    {.name = "--modulus-of-rupture",
     .value = "MR",
     .read = keepText<&FatigueArguments::modulusOfRupture>,
     .commands = fatigueCommands,
     .requiredBy = fatigueCommands,
     .inDesign = true,
     .help = "the concrete's flexural strength, in psi or kPa (> 0)"},
    {.name = "--adtt",
     .value = "N",
     .read = keepText<&FatigueArguments::adtt>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "for a spectrum whose per_1000_trucks column gives the axle\n"
             "groups per 1,000 trucks: the average daily truck traffic,\n"
             "both directions (> 0)"},
    {.name = "--growth",
     .value = "PERCENT",
     .read = keepText<&FatigueArguments::growth>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "its annual growth (0 to 100)"},
    {.name = "--years",
     .value = "N",
     .read = keepText<&FatigueArguments::years>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "the design life in whole years (1 to 100)"},
    {.name = "--directional",
     .value = "PERCENT",
     .read = keepText<&FatigueArguments::directional>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "the share of the trucks in the design direction (default 50)"},
    {.name = "--lane",
     .value = "PERCENT",
     .read = keepText<&FatigueArguments::lane>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "the share of that direction's trucks in the design lane\n"
             "(default 100)"},
    {.name = "--model",
     .value = "pca|power",
     .read = keepText<&FatigueArguments::model>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "the fatigue model (default pca)"},
    {.name = "--c1",
     .value = "VALUE",
     .read = keepText<&FatigueArguments::c1>,
     .commands = fatigueCommands,
     .inDesign = true,
     .synopsis = "--c1 --c2 --c4 --c5 VALUE",
     .help = "the constants of the power model (2.0, 1.22, 1, -1.98)"},
    {.name = "--c2",
     .value = "VALUE",
     .read = keepText<&FatigueArguments::c2>,
     .commands = fatigueCommands,
     .inDesign = true},
    {.name = "--c4",
     .value = "VALUE",
     .read = keepText<&FatigueArguments::c4>,
     .commands = fatigueCommands,
     .inDesign = true},
    {.name = "--c5",
     .value = "VALUE",
     .read = keepText<&FatigueArguments::c5>,
     .commands = fatigueCommands,
     .inDesign = true},
    {.name = "--stress",
     .value = "combined|loading|edge-model",
     .read = keepText<&FatigueArguments::stress>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "the stress compared with MR (default combined)"},
    {.name = "--target",
     .value = "PERCENT",
     .read = keepText<&FatigueArguments::target>,
     .commands = fatigueCommands,
     .inDesign = true,
     .help = "the damage the slab may take (default 100)"},
    {.name = "--solve-thickness",
     .read = setFlag<&FatigueArguments::solveThickness>,
     .commands = fatigueOnly,
     .help = "the least h1 on a 0.01 grid of its typical range that\n"
             "carries the traffic"},
    {.name = "--csv",
     .read = setFlag<&FatigueArguments::csv>,
     .commands = fatigueCommands,
     .help = "the per-group table as CSV\n"
             "reliability: each sample's total damage as CSV"},
    {.name = "--scatter",
     .value = "NAME=COV[:lognormal|normal]",
     .read = addText<&ReliabilityArguments::scatter>,
     .commands = reliabilityOnly,
     .inDesign = true,
     .heading = "Reliability options:",
     .synopsis = "--scatter NAME=COV[:DIST]",
     .help = "scatter the input NAME (h1, E1, k, MR; F: a factor on every\n"
             "dT; traffic: a factor on all repetitions) about the case's\n"
             "value with the coefficient of variation COV (0.15 for 15 %)\n"
             "and the distribution DIST, lognormal (default) or normal;\n"
             "once for each input"},
    {.name = "--samples",
     .value = "N",
     .read = keepText<&ReliabilityArguments::samples>,
     .commands = reliabilityOnly,
     .inDesign = true,
     .help = "the samples simulated (default 10000, at most 10000000)"},
    {.name = "--seed",
     .value = "N",
     .read = keepText<&ReliabilityArguments::seed>,
     .commands = reliabilityOnly,
     .inDesign = true,
     .help = "the seed of the random draws (default 1)"},
    {.name = "--reliability",
     .value = "PERCENT",
     .read = keepText<&ReliabilityArguments::reliability>,
     .commands = reliabilityOnly,
     .inDesign = true,
     .help = "also the least h1 on a 0.01 grid of its typical range at\n"
             "which this share of the samples carries the traffic"},
    {.name = "--histogram",
     .value = "FILE.svg",
     .read = readFileName<&ReliabilityArguments::histogramPath>,
     .commands = reliabilityOnly,
     .help = "also draw the samples' total damage as a histogram"},
    {.name = "--shoulder-width",
     .value = "X",
     .read = readPositive<&PlateArguments::shoulderWidth>,
     .commands = plateOnly,
     .heading = "Plate options:",
     .help = "the tied shoulder's width, in ft or m (default 10 ft)"},
    {.name = "--mesh",
     .value = "coarse|default|fine",
     .read = readChoice<&PlateArguments::mesh, PlateMeshWords>,
     .commands = plateOnly,
     .help = "the elements: fine halves every element of default, which\n"
             "halves every element of coarse (default: default)"},
    {.name = "--load",
     .value = "gear|single",
     .read = readChoice<&PlateArguments::load, PlateLoadWords>,
     .commands = plateOnly,
     .help = "the whole gear (default), or one tire of P/2 where the closed\n"
             "forms place it"},
    {.name = "--svg",
     .value = "FILE",
     .read = readFileName<&PlateArguments::svgPath>,
     .commands = plateOnly,
     .help = "also draw the slab with its stress contours and the tires"},
    {.name = "--help",
     .alias = "-h",
     .read = setFlag<&CliOptions::help>,
     .commands = {Report, Json, Batch, Sweep, Plan, Fatigue, Reliability, Plate, Verify},
     .help = "show this text"},
};

} // namespace

std::span<const OptionRow> optionTable() {
    return options;
}

const OptionRow* optionNamed(std::string_view argument) {
    const auto named = std::ranges::find_if(options, [argument](const OptionRow& option) {
        return argument == option.name || (!option.alias.empty() && argument == option.alias);
    });
    return named == std::end(options) ? nullptr : &*named;
}

std::string neededText(const OptionRow& option, Command command) {
    return std::string(commandRow(command).name) + " needs " + std::string(option.name) + " " +
           std::string(option.value);
}

std::string refusalOf(const OptionRow& option, Command command) {
    Refusal refusal = Refusal::NotForCommand;
    for (const RefusalFor& special : option.refusals) {
        if (special.commands.contains(command)) {
            refusal = special.refusal;
        }
    }
    return refusalText(refusal, option.name, commandRow(command).name);
}

std::string refusalText(Refusal refusal, std::string_view option, std::string_view command) {
    const std::string notFor = std::string(option) + " does not apply to " + std::string(command);
    switch (refusal) {
    case Refusal::NotForCommand:
        break;
    case Refusal::EachRowGivesTheCase:
        return notFor + ": each row gives the whole case";
    case Refusal::CsvHoldsEveryFactor:
        return notFor + ": the CSV holds every factor";
    case Refusal::TakesNothing:
        return std::string(command) + " takes no case file and no options";
    }
    return notFor;
}

} // namespace korvanex::cli
