// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"

namespace korvanex::cli {

// korvanex-cli reliability: the simulation of the spectrum on the case with the scatter of its inputs,
// as a text table, CSV of the samples or JSON, with the required slab thickness at a reliability when
// asked and the histogram of the damage. Returns the exit status.
int reliabilityCommand(const CliOptions& options);

} // namespace korvanex::cli
