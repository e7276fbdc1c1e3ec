// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "cli/cli_options.h"
#include "studies/design.h"

namespace korvanex::cli {

// The design the command line describes: the design file of --design, or the default case or a case
// file, with the settings of the case that the options give over it. False, with the message written
// on standard error, when it cannot be read or a case file holds an option word that is none of the
// system's own. A case file in English units overrides --metric, with a warning.
bool loadDesign(const CliOptions& options, Design& design);

// Writes the design file that --save-design names, if it names one. False, with the message written,
// when it cannot be written.
bool saveDesign(const CliOptions& options, const Design& design);

// The dialogs' check where no dialog stands between the user and the engine: a refused field stops
// the command (false, with the message written), a value outside its typical range is computed and
// named in a warning on standard error.
bool acceptCase(const AnalysisCase& record);

} // namespace korvanex::cli
