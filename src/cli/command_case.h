// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "cli/cli_options.h"

namespace korvanex::cli {

// The case the command line describes: the default case or a case file, with the settings that a
// case file does not hold. False, with the message written on standard error, when it cannot be read
// or holds an option word that is none of the system's own. A case file in English units overrides
// --metric, with a warning.
bool loadCase(const CliOptions& options, AnalysisCase& record);

// The dialogs' check where no dialog stands between the user and the engine: a refused field stops
// the command (false, with the message written), a value outside its typical range is computed and
// named in a warning on standard error.
bool acceptCase(const AnalysisCase& record);

} // namespace korvanex::cli
