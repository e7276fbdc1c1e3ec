// korvanex-cli: the stress analysis of one case from the command line, for scripts and batches.

#include "cli/cli_options.h"
#include "engine/compute_stresses.h"
#include "engine/fault.h"
#include "io/case_file.h"
#include "io/file_access.h"
#include "io/report.h"
#include "io/results_json.h"

#include <iostream>
#include <string>
#include <vector>

using namespace korvanex;

namespace {

constexpr int ExitFault = 1;
constexpr int ExitUsage = 2;

int usageError(const std::string& message) {
    std::cerr << "korvanex-cli: " << message << "\n"
              << "Try 'korvanex-cli --help'.\n";
    return ExitUsage;
}

// The case the command line describes: the default case or a case file, with the settings that a
// case file does not hold.
bool loadCase(const cli::CliOptions& options, AnalysisCase& record) {
    record = AnalysisCase::defaults(options.metric ? UnitSystem::Metric : UnitSystem::English);
    if (options.casePath) {
        const CaseFileReadResult read = readCaseFile(*options.casePath, record);
        if (read.status != CaseFileReadResult::Status::Loaded) {
            std::cerr << "korvanex-cli: " << *options.casePath << ": " << read.message << "\n";
            return false;
        }
    }
    if (options.transverseSpacing) {
        record.d = *options.transverseSpacing;
    }
    record.tiedShoulder = options.tiedShoulder.value_or(false);
    record.widenedLane = options.widenedLane.value_or(false);
    return true;
}

std::string commandOutput(const cli::CliOptions& options, const AnalysisCase& record,
                          const AnalysisResults& results) {
    if (options.command == "json") {
        return resultsJson(record, results);
    }
    const std::vector<std::string> lines = WriteReport(record, options.detailed, results);
    if (options.outputPath) {
        return reportFileText(lines);
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    cli::CliOptions options;
    const std::string error = cli::parseArguments(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!error.empty()) {
        return usageError(error);
    }
    if (options.help) {
        std::cout << cli::usageText;
        return 0;
    }

    AnalysisCase record;
    if (!loadCase(options, record)) {
        return ExitUsage;
    }
    AnalysisResults results;
    try {
        computeStresses(record, results);
    } catch (const FloatingPointFault& fault) {
        std::cerr << "korvanex-cli: the computation stopped on a floating-point fault in " << fault.routine()
                  << " (" << fault.step()
                  << "): the inputs are degenerate. Check k, h1, E1, mu1, the tire pressure"
                  << " and the two-layer values.\n";
        return ExitFault;
    }

    const std::string output = commandOutput(options, record, results);
    if (options.outputPath) {
        const std::string writeError = writeFileAtomically(*options.outputPath, output);
        if (!writeError.empty()) {
            std::cerr << "korvanex-cli: " << writeError << "\n";
            return ExitUsage;
        }
        return 0;
    }
    std::cout << output;
    return 0;
}
