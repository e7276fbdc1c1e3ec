// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"

namespace korvanex::cli {

// korvanex-cli fatigue: the damage of the spectrum on the case, as a text table, CSV or JSON, with the
// required slab thickness when asked. Returns the exit status.
int fatigueCommand(const CliOptions& options);

} // namespace korvanex::cli
