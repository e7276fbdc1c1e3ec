// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"

namespace korvanex::cli {

// `korvanex-cli verify`: computes the built-in worked examples and prints the table of published and
// computed values. Returns the exit status: 0 when every example agrees within its tolerance, 1 when
// one does not, 2 when the table cannot be written.
int verifyCommand(const CliOptions& options);

} // namespace korvanex::cli
