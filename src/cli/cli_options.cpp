#include "cli/cli_options.h"

#include "case/case_words.h"
#include "cli/sweep_range.h"
#include "studies/batch.h"

#include <charconv>

namespace korvanex::cli {

const char* const usageText =
    "Usage: korvanex-cli COMMAND [CASE.DEF] [options]\n"
    "       korvanex-cli batch IN.csv [--jobs N] [--output OUT.csv]\n"
    "       korvanex-cli sweep [CASE.DEF] --vary FIELD=FROM:TO:STEPS [options]\n"
    "       korvanex-cli plan [CASE.DEF] [options] [--output FILE.svg]\n"
    "       korvanex-cli fatigue [CASE.DEF] --spectrum FILE.csv --modulus-of-rupture MR [options]\n"
    "       korvanex-cli verify\n"
    "\n"
    "Commands:\n"
    "  report   print the stress report of the case\n"
    "  json     print the results of the case as one JSON object (psi, inches)\n"
    "  batch    compute one case per row of a CSV file and write the results as CSV\n"
    "  sweep    compute the case with one numeric field stepped over a range, as CSV\n"
    "  plan     draw the slab with the wheels of the case to scale, as SVG\n"
    "  fatigue  the fatigue damage of a traffic spectrum on the case (Miner's sum), and the slab\n"
    "           thickness that carries it\n"
    "  verify   compute the built-in worked examples and compare them with their published values\n"
    "\n"
    "Without CASE.DEF the built-in default case is used.\n"
    "\n"
    "Options:\n"
    "  --metric                    start from the metric defaults instead of the English ones\n"
    "  --detailed                  add the detailed section (adjustment factors) to the report\n"
    "  --transverse-spacing TEXT   transverse wheel spacing d, in the case's units\n"
    "  --tied-shoulder yes|no      tied concrete shoulder (default no)\n"
    "  --widened-lane yes|no       widened outer lane (default no)\n"
    "  --vary FIELD=FROM:TO:STEPS  sweep: STEPS points from FROM to TO, both included, of the\n"
    "                              numeric field FIELD (P, tp, S, t, d, h1, h2, E1, E2, mu1, r1,\n"
    "                              L, W, k, AGG, d0, F, alp), in the case's units\n"
    "  --output FILE               write to FILE instead of printing\n"
    "  --jobs N                    batch: compute the rows on N threads (default: one per core);\n"
    "                              the output is the same for any N\n"
    "\n"
    "Fatigue options:\n"
    "  --spectrum FILE.csv         the load groups: batch columns (but units) and repetitions\n"
    "  --modulus-of-rupture MR     the concrete's flexural strength, in psi or kPa (> 0)\n"
    "  --model pca|power           the fatigue model (default pca)\n"
    "  --c1 --c2 --c4 --c5 VALUE   the constants of the power model (2.0, 1.22, 1, -1.98)\n"
    "  --stress combined|loading|edge-model   the stress compared with MR (default combined)\n"
    "  --target PERCENT            the damage the slab may take (default 100)\n"
    "  --solve-thickness           the least h1 on a 0.01 grid of its typical range that\n"
    "                              carries the traffic\n"
    "  --csv, --json               the per-group table as CSV, or everything as JSON (psi)\n"
    "  --help                      show this text\n"
    "\n"
    "Batch input: a header row naming the columns, in any order and any case: units (english,\n"
    "metric), location (interior, edge, corner), gear (single-single, single-tandem,\n"
    "single-tridem, dual-single, dual-tandem, dual-tridem), layer (one, bonded, unbonded), tied\n"
    "and widened (yes, no), and the numeric fields above. A missing column or an empty cell takes\n"
    "the default of the row's unit system. The output repeats the input cells, then a status\n"
    "(ok, fault: ROUTINE, error: WHAT), the warnings and the results in the row's units.\n"
    "\n"
    "A field whose text is not a number of 0 or more (dT may be negative) is refused; a value\n"
    "outside its typical range is computed and named in a warning on standard error (in the\n"
    "warnings column of batch and sweep).\n"
    "\n"
    "--output replaces a regular file only when the new one is complete, keeping its permissions;\n"
    "a link is followed, and a device or a FIFO is written in place.\n"
    "\n"
    "Exit status: 0 success, 1 the computation stopped on a floating-point fault (report, json),\n"
    "2 bad usage, a case file that cannot be read or holds a refused field, a batch file or\n"
    "spectrum that is not CSV or has an unknown column, or output that cannot be written\n"
    "(standard output or --output). Rows of batch, sweep and fatigue that fault or are refused\n"
    "are reported in the output. verify: 0 every worked example agrees with its published value,\n"
    "1 one does not.\n";

namespace {

std::string readYesNoOption(const std::string& option, const std::string& value,
                            std::optional<bool>& target) {
    target = parseYesNo(value);
    if (!target) {
        return option + " takes yes or no, not \"" + value + "\"";
    }
    return {};
}

std::string parseJobs(const std::string& value, std::optional<unsigned>& jobs) {
    unsigned count = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, count);
    if (value.empty() || error != std::errc() || stop != end || count < 1 || count > MaxBatchJobs) {
        return "--jobs takes a whole number from 1 to " + std::to_string(MaxBatchJobs) + ", not \"" + value +
               "\"";
    }
    jobs = count;
    return {};
}

bool isCommand(const std::string& word) {
    return word == "report" || word == "json" || word == "batch" || word == "sweep" || word == "plan" ||
           word == "fatigue" || word == "verify";
}

struct FatigueValueOption {
    const char* name;
    std::optional<std::string> FatigueArguments::*value;
};

constexpr FatigueValueOption fatigueValueOptions[] = {
    {"--spectrum", &FatigueArguments::spectrumPath},
    {"--modulus-of-rupture", &FatigueArguments::modulusOfRupture},
    {"--model", &FatigueArguments::model},
    {"--c1", &FatigueArguments::c1},
    {"--c2", &FatigueArguments::c2},
    {"--c4", &FatigueArguments::c4},
    {"--c5", &FatigueArguments::c5},
    {"--stress", &FatigueArguments::stress},
    {"--target", &FatigueArguments::target},
};

std::optional<std::string>* fatigueValue(const std::string& argument, FatigueArguments& fatigue) {
    for (const FatigueValueOption& option : fatigueValueOptions) {
        if (argument == option.name) {
            return &(fatigue.*option.value);
        }
    }
    return nullptr;
}

// The first fatigue option given, or nullptr.
const char* givenFatigueOption(const FatigueArguments& fatigue) {
    for (const FatigueValueOption& option : fatigueValueOptions) {
        if (fatigue.*option.value) {
            return option.name;
        }
    }
    return fatigue.solveThickness ? "--solve-thickness"
           : fatigue.csv          ? "--csv"
           : fatigue.json         ? "--json"
                                  : nullptr;
}

// The options that only some commands take.
std::string checkCommandOptions(const CliOptions& options) {
    const bool batch = options.command == "batch";
    const bool sweep = options.command == "sweep";
    const std::string notFor = " does not apply to " + options.command;
    if (batch && !options.csvPath) {
        return "batch needs a CSV file";
    }
    const char* caseOption = options.metric              ? "--metric"
                             : options.transverseSpacing ? "--transverse-spacing"
                             : options.tiedShoulder      ? "--tied-shoulder"
                             : options.widenedLane       ? "--widened-lane"
                                                         : nullptr;
    if (options.command == "verify" && (options.casePath || caseOption != nullptr || options.detailed ||
                                        options.vary || options.outputPath)) {
        return "verify takes no case file and no options";
    }
    if (batch && caseOption != nullptr) {
        return caseOption + notFor + ": each row gives the whole case";
    }
    if ((batch || sweep) && options.detailed) {
        return "--detailed" + notFor + ": the CSV holds every factor";
    }
    if (options.command == "plan" && options.detailed) {
        return "--detailed" + notFor;
    }
    if (sweep && !options.vary) {
        return "sweep needs --vary FIELD=FROM:TO:STEPS";
    }
    if (!sweep && options.vary) {
        return "--vary" + notFor;
    }
    if (!batch && options.jobs) {
        return "--jobs" + notFor;
    }
    if (const char* fatigueOption = givenFatigueOption(options.fatigue);
        fatigueOption != nullptr && options.command != "fatigue") {
        return fatigueOption + notFor;
    }
    return {};
}

} // namespace

std::string parseArguments(const std::vector<std::string>& arguments, CliOptions& options) {
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        auto value = [&](std::string& target) -> std::string {
            if (index + 1 >= arguments.size()) {
                return argument + " needs a value";
            }
            target = arguments[++index];
            return {};
        };
        std::string text;
        std::string error;
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--metric") {
            options.metric = true;
        } else if (argument == "--detailed") {
            options.detailed = true;
        } else if (argument == "--transverse-spacing") {
            error = value(text);
            options.transverseSpacing = text;
        } else if (argument == "--tied-shoulder") {
            error = value(text);
            if (error.empty()) {
                error = readYesNoOption(argument, text, options.tiedShoulder);
            }
        } else if (argument == "--widened-lane") {
            error = value(text);
            if (error.empty()) {
                error = readYesNoOption(argument, text, options.widenedLane);
            }
        } else if (argument == "--vary") {
            error = value(text);
            if (error.empty()) {
                SweepRange range;
                error = parseSweepRange(text, range);
                if (error.empty()) {
                    options.vary = range;
                } else {
                    error = "--vary: " + error;
                }
            }
        } else if (std::optional<std::string>* fatigue = fatigueValue(argument, options.fatigue)) {
            error = value(text);
            *fatigue = text;
        } else if (argument == "--solve-thickness" || argument == "--csv" || argument == "--json") {
            (argument == "--csv"    ? options.fatigue.csv
             : argument == "--json" ? options.fatigue.json
                                    : options.fatigue.solveThickness) = true;
        } else if (argument == "--jobs") {
            error = value(text);
            if (error.empty()) {
                error = parseJobs(text, options.jobs);
            }
        } else if (argument == "--output") {
            error = value(text);
            options.outputPath = text;
        } else if (argument.starts_with("--")) {
            error = "unknown option " + argument;
        } else if (options.command.empty()) {
            if (!isCommand(argument)) {
                return "unknown command \"" + argument + "\"";
            }
            options.command = argument;
        } else if (options.command == "batch") {
            if (options.csvPath) {
                error = "more than one CSV file given";
            }
            options.csvPath = argument;
        } else if (!options.casePath) {
            options.casePath = argument;
        } else {
            error = "more than one case file given";
        }
        if (!error.empty()) {
            return error;
        }
    }
    if (options.help) {
        return {};
    }
    if (options.command.empty()) {
        return "no command given";
    }
    return checkCommandOptions(options);
}

} // namespace korvanex::cli
