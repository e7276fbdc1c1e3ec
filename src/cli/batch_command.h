// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"

namespace korvanex::cli {

// korvanex-cli batch: one case per row of the CSV file, computed on --jobs threads, written as CSV.
// Returns the exit status.
int batchCommand(const CliOptions& options);

} // namespace korvanex::cli
