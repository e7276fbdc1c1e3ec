// korvanex-cli: the stress analysis of one case from the command line, for scripts and batches.

#include "case/fault.h"
#include "cli/cli_options.h"
#include "cli/command_case.h"
#include "cli/command_output.h"
#include "cli/fatigue_command.h"
#include "cli/verify_command.h"
#include "engine/compute_stresses.h"
#include "formats/batch_lines.h"
#include "formats/report.h"
#include "formats/results_json.h"
#include "formats/slab_plan_svg.h"
#include "io/case_file.h"
#include "io/file_access.h"
#include "studies/batch.h"
#include "studies/sweep.h"

#include <csignal>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace korvanex;
using namespace korvanex::cli;

namespace {

int usageError(const std::string& message) {
    std::cerr << "korvanex-cli: " << message << "\n"
              << "Try 'korvanex-cli --help'.\n";
    return ExitFailure;
}

std::string commandOutput(const CliOptions& options, const AnalysisCase& record,
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

int batchCommand(const CliOptions& options) {
    const std::string& path = *options.csvPath;
    std::ifstream in;
    if (std::string error = openInputFile(path, in); !error.empty()) {
        return fail(error);
    }
    return writeCommandOutput(options, [&](std::ostream& out) {
        const std::string error = runBatch(in, out, BatchLines(), options.jobs.value_or(machineCores()));
        return error.empty() ? error : path + ": " + error;
    });
}

// The case is checked with the varied field at its first point; every point is checked in its row.
int sweepCommand(const CliOptions& options) {
    AnalysisCase record;
    if (!loadCase(options, record)) {
        return ExitFailure;
    }
    AnalysisCase firstPoint = record;
    firstPoint.text(options.vary->field) = sweepPointText(*options.vary, 0);
    if (!acceptCase(firstPoint)) {
        return ExitFailure;
    }
    return writeCommandOutput(options, [&](std::ostream& out) {
        runSweep(record, *options.vary, out, BatchLines());
        return std::string();
    });
}

int caseCommand(const CliOptions& options) {
    AnalysisCase record;
    if (!loadCase(options, record) || !acceptCase(record)) {
        return ExitFailure;
    }
    if (options.command == "plan") {
        return writeCommandOutput(options, slabPlanSvg(record));
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
    return writeCommandOutput(options, commandOutput(options, record, results));
}

} // namespace

int main(int argc, char** argv) {
    // A closed pipe is then told by a failed write, which the output check reports.
    std::signal(SIGPIPE, SIG_IGN);
    CliOptions options;
    const std::string error = parseArguments(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!error.empty()) {
        return usageError(error);
    }
    if (options.help) {
        return writeCommandOutput(options, usageText);
    }
    if (options.command == "batch") {
        return batchCommand(options);
    }
    if (options.command == "sweep") {
        return sweepCommand(options);
    }
    if (options.command == "fatigue") {
        return fatigueCommand(options);
    }
    if (options.command == "verify") {
        return verifyCommand(options);
    }
    return caseCommand(options);
}
