// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"

namespace korvanex::cli {

// korvanex-cli sweep: the case computed at each point of the --vary range, written as CSV. Returns the
// exit status.
int sweepCommand(const CliOptions& options);

} // namespace korvanex::cli
