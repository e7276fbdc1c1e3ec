// SPDX-License-Identifier: Apache-2.0
#include "cli/verify_command.h"

#include "cli/command_output.h"
#include "formats/verification_table.h"

#include <string>
#include <vector>

namespace korvanex::cli {

int verifyCommand(const CliOptions& options) {
    const std::vector<ExampleCheck> checks = verificationChecks();
    if (const int status = writeCommandOutput(options, joinedLines(verificationTable(checks)));
        status != ExitSuccess) {
        return status;
    }
    return allPass(checks) ? ExitSuccess : ExitFault;
}

} // namespace korvanex::cli
