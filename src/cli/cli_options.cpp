#include "cli/cli_options.h"

namespace korvanex::cli {

const char* const usageText =
    "Usage: korvanex-cli COMMAND [CASE.DEF] [options]\n"
    "\n"
    "Commands:\n"
    "  report   print the stress report of the case\n"
    "  json     print the results of the case as one JSON object (psi, inches)\n"
    "\n"
    "Without CASE.DEF the built-in default case is used.\n"
    "\n"
    "Options:\n"
    "  --metric                    start from the metric defaults instead of the English ones\n"
    "  --detailed                  add the detailed section (adjustment factors) to the report\n"
    "  --transverse-spacing TEXT   transverse wheel spacing d, in the case's units\n"
    "  --tied-shoulder yes|no      tied concrete shoulder (default no)\n"
    "  --widened-lane yes|no       widened outer lane (default no)\n"
    "  --output FILE               write to FILE instead of printing\n"
    "  --help                      show this text\n"
    "\n"
    "Exit status: 0 success, 1 the computation stopped on a floating-point fault,\n"
    "2 bad usage or a case file that cannot be read.\n";

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
        } else if (argument == "--output") {
            error = value(text);
            options.outputPath = text;
        } else if (argument.starts_with("--")) {
            error = "unknown option " + argument;
        } else if (options.command.empty()) {
            if (argument != "report" && argument != "json") {
                return "unknown command \"" + argument + "\"";
            }
            options.command = argument;
        } else if (!options.casePath) {
            options.casePath = argument;
        } else {
            error = "more than one case file given";
        }
        if (!error.empty()) {
            return error;
        }
    }
    if (options.command.empty() && !options.help) {
        return "no command given";
    }
    return {};
}

} // namespace korvanex::cli
