// SPDX-License-Identifier: Apache-2.0
// korvanex-cli: the stress analysis of one case from the command line, for scripts and batches.

#include "cli/batch_command.h"
#include "cli/case_command.h"
#include "cli/cli_options.h"
#include "cli/command_output.h"
#include "cli/fatigue_command.h"
#include "cli/help_text.h"
#include "cli/plate_command.h"
#include "cli/reliability_command.h"
#include "cli/sweep_command.h"
#include "cli/verify_command.h"

#include <csignal>
#include <string>
#include <vector>

using namespace korvanex::cli;

namespace {

int runCommand(const CliOptions& options) {
    switch (options.command) {
    case Command::Report:
    case Command::Json:
    case Command::Plan:
        break;
    case Command::Batch:
        return batchCommand(options);
    case Command::Sweep:
        return sweepCommand(options);
    case Command::Fatigue:
        return fatigueCommand(options);
    case Command::Reliability:
        return reliabilityCommand(options);
    case Command::Plate:
        return plateCommand(options);
    case Command::Verify:
        return verifyCommand(options);
    }
    return caseCommand(options);
}

} // namespace

int main(int argc, char** argv) {
    // A closed pipe and a file-size limit (ulimit -f) are then told by a failed write (EPIPE, EFBIG),
    // which the output check reports.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    CliOptions options;
    const std::string error = parseArguments(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!error.empty()) {
        return failUsage(error);
    }
    if (options.help) {
        return writeCommandOutput(options, helpText());
    }
    return runCommand(options);
}
