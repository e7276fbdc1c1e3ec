#include "cli/fatigue_command.h"

#include "case/field_value.h"
#include "io/file_access.h"
#include "io/number_text.h"
#include "studies/fatigue_output.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

namespace korvanex::cli {

namespace {

constexpr int ExitUsage = 2;

int fail(const std::string& message) {
    std::cerr << "korvanex-cli: " << message << "\n";
    return ExitUsage;
}

// A number option: a whole number text within the double range, and above 0 when `positive`.
std::string readNumber(const char* option, const std::optional<std::string>& text, bool positive,
                       double& value) {
    if (!text) {
        return {};
    }
    value = numericPrefix(*text);
    if (!isWholeNumberText(*text) || !std::isfinite(value) || (positive && !(value > 0))) {
        return std::string(option) + " takes a number" + (positive ? " greater than 0" : "") + ", not \"" +
               *text + "\"";
    }
    return {};
}

std::string readSettings(const FatigueArguments& arguments, FatigueSettings& settings) {
    if (arguments.model && !modelFromWord(*arguments.model, settings.model)) {
        return "--model takes pca or power, not \"" + *arguments.model + "\"";
    }
    if (arguments.stress && !stressFromWord(*arguments.stress, settings.stress)) {
        return "--stress takes combined, loading or edge-model, not \"" + *arguments.stress + "\"";
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

std::string checkArguments(const CliOptions& options) {
    const FatigueArguments& arguments = options.fatigue;
    if (!arguments.spectrumPath) {
        return "fatigue needs --spectrum FILE.csv";
    }
    if (!arguments.modulusOfRupture) {
        return "fatigue needs --modulus-of-rupture MR";
    }
    if (arguments.csv && arguments.json) {
        return "--csv and --json cannot be given together";
    }
    if (options.detailed) {
        return "--detailed does not apply to fatigue";
    }
    return {};
}

std::string readSpectrumFile(const std::string& path, const AnalysisCase& record, TrafficSpectrum& spectrum) {
    std::error_code statusError;
    if (!std::filesystem::is_regular_file(path, statusError)) {
        return path + ": " + (statusError ? statusError.message() : std::string("not a regular file"));
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return path + ": cannot be read";
    }
    const std::string error = readSpectrum(in, record, spectrum);
    return error.empty() ? error : path + ": " + error;
}

// The one way the command's output leaves: the output file through the core's writer, or standard
// output.
int writeOutput(const CliOptions& options, const std::string& text) {
    if (options.outputPath) {
        const std::string error = writeFileAtomically(*options.outputPath, text);
        return error.empty() ? 0 : fail(error);
    }
    std::cout << text;
    std::cout.flush();
    return std::cout ? 0 : ExitUsage;
}

} // namespace

int fatigueCommand(const CliOptions& options, CaseLoader loadCase) {
    FatigueSettings settings;
    if (std::string error = checkArguments(options); !error.empty()) {
        return fail(error + "\nTry 'korvanex-cli --help'.");
    }
    if (std::string error = readSettings(options.fatigue, settings); !error.empty()) {
        return fail(error + "\nTry 'korvanex-cli --help'.");
    }
    AnalysisCase record;
    if (!loadCase(options, record)) {
        return ExitUsage;
    }
    TrafficSpectrum spectrum;
    if (std::string error = readSpectrumFile(*options.fatigue.spectrumPath, record, spectrum);
        !error.empty()) {
        return fail(error);
    }
    const FatigueResult result = computeFatigue(spectrum, settings);
    if (options.fatigue.csv) {
        return writeOutput(options, fatigueCsv(spectrum, result));
    }
    std::optional<RequiredThickness> thickness;
    if (options.fatigue.solveThickness) {
        thickness = solveThickness(spectrum, settings);
    }
    return writeOutput(options, options.fatigue.json ? fatigueJson(spectrum, settings, result, thickness)
                                                     : fatigueTable(spectrum, settings, result, thickness));
}

} // namespace korvanex::cli
