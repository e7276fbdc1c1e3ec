// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"

namespace korvanex::cli {

// `korvanex-cli plate`: solves the case with the plate model and writes its stresses beside the
// analysis's, as text or JSON, and with --svg the contour picture. Returns the exit status: 1 when
// the computation stops on a floating-point fault, 2 when the case or an output fails.
int plateCommand(const CliOptions& options);

} // namespace korvanex::cli
