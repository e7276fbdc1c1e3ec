#include "cli/cli_options.h"

namespace korvanex::cli {

const char* const usageText =
    "Usage: korvanex-cli COMMAND [CASE.DEF] [options]\n"
    "       korvanex-cli batch IN.csv [--output OUT.csv]\n"
    "       korvanex-cli sweep [CASE.DEF] --vary FIELD=FROM:TO:STEPS [options]\n"
    "       korvanex-cli plan [CASE.DEF] [options] [--output FILE.svg]\n"
    "\n"
    "Commands:\n"
    "  report   print the stress report of the case\n"
    "  json     print the results of the case as one JSON object (psi, inches)\n"
    "  batch    compute one case per row of a CSV file and write the results as CSV\n"
    "  sweep    compute the case with one numeric field stepped over a range, as CSV\n"
    "  plan     draw the slab with the wheels of the case to scale, as SVG\n"
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
    "  --help                      show this text\n"
    "\n"
    "Batch input: a header row naming the columns, in any order and any case: units (english,\n"
    "metric), location (interior, edge, corner), gear (single-single, single-tandem,\n"
    "single-tridem, dual-single, dual-tandem, dual-tridem), layer (one, bonded, unbonded), tied\n"
    "and widened (yes, no), and the numeric fields above. A missing column or an empty cell takes\n"
    "the default of the row's unit system. The output repeats the input cells, then a status\n"
    "(ok, fault: ROUTINE, error: WHAT) and the results in the row's units.\n"
    "\n"
    "Exit status: 0 success, 1 the computation stopped on a floating-point fault (report, json),\n"
    "2 bad usage, a case file that cannot be read, or a batch file that is not CSV or has an\n"
    "unknown column. Rows of batch and sweep that fault are reported in the CSV.\n";

namespace {

std::string parseYesNo(const std::string& option, const std::string& value, std::optional<bool>& target) {
    if (value == "yes") {
        target = true;
    } else if (value == "no") {
        target = false;
    } else {
        return option + " takes yes or no, not \"" + value + "\"";
    }
    return {};
}

bool isCommand(const std::string& word) {
    return word == "report" || word == "json" || word == "batch" || word == "sweep" || word == "plan";
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
                error = parseYesNo(argument, text, options.tiedShoulder);
            }
        } else if (argument == "--widened-lane") {
            error = value(text);
            if (error.empty()) {
                error = parseYesNo(argument, text, options.widenedLane);
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
