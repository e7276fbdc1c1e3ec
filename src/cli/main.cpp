// korvanex-cli: the stress analysis of one case from the command line, for scripts and batches.

#include "cli/cli_options.h"
#include "cli/plan_command.h"
#include "engine/compute_stresses.h"
#include "engine/fault.h"
#include "io/batch.h"
#include "io/case_file.h"
#include "io/file_access.h"
#include "io/report.h"
#include "io/results_json.h"
#include "io/sweep.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

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

// Writes a CSV as it is produced, to standard output or to the output file. The file is written under
// a temporary name in the same folder and renamed over the target only when complete, so that a
// batch stopped half-way leaves no half-written file. `produce` returns an empty string or the
// problem that stopped it.
int streamCsv(const cli::CliOptions& options, const std::function<std::string(std::ostream&)>& produce) {
    if (!options.outputPath) {
        std::ios::sync_with_stdio(false);
        const std::string error = produce(std::cout);
        std::cout.flush();
        if (!error.empty()) {
            std::cerr << "korvanex-cli: " << error << "\n";
            return ExitUsage;
        }
        return std::cout ? 0 : ExitUsage;
    }
    const std::string& path = *options.outputPath;
    const std::string partial = path + ".korvanex-" + std::to_string(::getpid()) + ".partial";
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    if (!file) {
        std::cerr << "korvanex-cli: " << path << ": cannot be written\n";
        return ExitUsage;
    }
    const std::string error = produce(file);
    file.close();
    std::error_code ignored;
    if (!error.empty() || !file) {
        std::filesystem::remove(partial, ignored);
        std::cerr << "korvanex-cli: " << (error.empty() ? path + ": writing failed" : error) << "\n";
        return ExitUsage;
    }
    std::error_code renameError;
    std::filesystem::rename(partial, path, renameError);
    if (renameError) {
        std::filesystem::remove(partial, ignored);
        std::cerr << "korvanex-cli: " << path << ": " << renameError.message() << "\n";
        return ExitUsage;
    }
    return 0;
}

int batchCommand(const cli::CliOptions& options) {
    const std::string& path = *options.csvPath;
    std::error_code statusError;
    if (!std::filesystem::is_regular_file(path, statusError)) {
        std::cerr << "korvanex-cli: " << path << ": "
                  << (statusError ? statusError.message() : std::string("not a regular file")) << "\n";
        return ExitUsage;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "korvanex-cli: " << path << ": cannot be read\n";
        return ExitUsage;
    }
    return streamCsv(options, [&](std::ostream& out) {
        const std::string error = runBatch(in, out);
        return error.empty() ? error : path + ": " + error;
    });
}

int sweepCommand(const cli::CliOptions& options) {
    AnalysisCase record;
    if (!loadCase(options, record)) {
        return ExitUsage;
    }
    return streamCsv(options, [&](std::ostream& out) {
        runSweep(record, *options.vary, out);
        return std::string();
    });
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
    if (options.command == "batch") {
        return batchCommand(options);
    }
    if (options.command == "sweep") {
        return sweepCommand(options);
    }

    AnalysisCase record;
    if (!loadCase(options, record)) {
        return ExitUsage;
    }
    if (options.command == "plan") {
        const std::string planError = cli::writePlan(options, record);
        if (!planError.empty()) {
            std::cerr << "korvanex-cli: " << planError << "\n";
            return ExitUsage;
        }
        return 0;
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
