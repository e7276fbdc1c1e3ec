// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"

namespace korvanex::cli {

// korvanex-cli report, json and plan: the stress report of the case, its results as JSON, or the
// slab plan as SVG. Returns the exit status: 1 when the computation stops on a floating-point fault.
int caseCommand(const CliOptions& options);

} // namespace korvanex::cli
